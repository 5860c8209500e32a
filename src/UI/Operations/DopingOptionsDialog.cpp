#include "UI/Operations/DopingOptionsDialog.h"

#include "UI/Operations/DopedMaterialBox.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>

namespace Ui::Operations {

DopingOptionsDialog::DopingOptionsDialog(const MaterialOffer &materials, QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("DopingOptionsBaseDialog"), QStringLiteral("Doping Options"));
    materialBox = dopedMaterialBox(this, QStringLiteral("cbxDopedMaterial"), materials);
    depthBox = OptionsForm::doubleSpinBox(this, QStringLiteral("dblDopingDepth"), QStringLiteral(" units"), 4,
                                          0.0, 1e9, 10.0);
    form.addRow(QStringLiteral("Doped Material"), materialBox);
    form.addRow(QStringLiteral("Doping Depth"), depthBox);
}

DopingOptionsDialog::DopingOptionsDialog(QWidget *parent)
    : DopingOptionsDialog(MaterialOffer::wholeCatalogue(), parent)
{
}

uint32_t DopingOptionsDialog::getMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(materialBox);
}

double DopingOptionsDialog::getDepth() const
{
    return depthBox->value();
}

void DopingOptionsDialog::loadParameters(const QVariantMap &parameters)
{
    OptionsForm::preset(depthBox, parameters, QStringLiteral("Doping Depth"));
    MaterialComboBox::selectStored(materialBox, parameters, QStringLiteral("Doped Material"));
}

} // namespace Ui::Operations
