#include "UI/Operations/DopedMaterialBox.h"

#include "UI/Operations/MaterialComboBox.h"

#include <QComboBox>

namespace Ui::Operations {
namespace {
constexpr uint32_t kNDopedSilicon = 14;
} // namespace

QComboBox *dopedMaterialBox(QWidget *parent, const QString &objectName, const MaterialOffer &materials)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setToolTip(
        QStringLiteral("This is the doped material. Not to be confused with the materials that will be "
                       "doped. All materials in the list will be doped, plus Si."));
    MaterialComboBox::fill(box, materials);
    // Silicon, usually first, would dope nothing: N-type doping is chosen when it is offered.
    MaterialComboBox::selectId(box, kNDopedSilicon);
    return box;
}

} // namespace Ui::Operations
