#include "UI/Operations/DopedMaterialBox.h"

#include "UI/Operations/MaterialComboBox.h"

#include <QComboBox>

namespace Ui::Operations {

QComboBox *dopedMaterialBox(QWidget *parent, const QString &objectName, const MaterialOffer &materials)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setToolTip(QStringLiteral("This is the doped material. Not to be confused with the materials that will be "
                                   "doped. All materials in the list will be doped, plus Si."));
    MaterialComboBox::fill(box, materials);
    return box;
}

} // namespace Ui::Operations
