#include "UI/Operations/DopingOptionsDialog.h"

#include "UI/Operations/MaterialChoice.h"
#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>

namespace Ui::Operations {

DopingOptionsDialog::DopingOptionsDialog(uint32_t processId, QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("DopingOptionsBaseDialog"), QStringLiteral("Doping Options"));
    materialBox = MaterialChoice::dopedMaterialBox(this, QStringLiteral("cbxDopedMaterial"), processId);
    depthBox = OptionsForm::doubleSpinBox(this, QStringLiteral("dblDopingDepth"), QStringLiteral(" units"), 4,
                                          0.0, 1e9, 10.0);
    form.addRow(QStringLiteral("Doped Material"), materialBox);
    form.addRow(QStringLiteral("Doping Depth"), depthBox);
}

DopingOptionsDialog::DopingOptionsDialog(QWidget *parent)
    : DopingOptionsDialog(MaterialChoice::kEveryMaterial, parent)
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
    OptionsForm::loadValue(depthBox, parameters, QStringLiteral("Doping Depth"));
    MaterialChoice::selectStored(materialBox, parameters, QStringLiteral("Doped Material"));
}

} // namespace Ui::Operations
