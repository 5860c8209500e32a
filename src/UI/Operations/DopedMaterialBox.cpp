#include "UI/Operations/DopedMaterialBox.h"

#include "UI/Operations/MaterialComboBox.h"

#include <QComboBox>

namespace Ui::Operations {
namespace {
constexpr uint32_t kNDopedSilicon = 14;
} // namespace

QComboBox *dopedMaterialBox(QWidget *parent, const QString &objectName, const MaterialOffer &materials)
{
    QComboBox *box = MaterialComboBox::create(parent, objectName, materials);
    box->setToolTip(
        QStringLiteral("This is the doped material. Not to be confused with the materials that will be "
                       "doped. All materials in the list will be doped, plus Si."));
    // Silicon, usually first, would dope nothing: N-type doping is chosen when it is offered.
    MaterialComboBox::selectId(box, kNDopedSilicon);
    return box;
}

} // namespace Ui::Operations
