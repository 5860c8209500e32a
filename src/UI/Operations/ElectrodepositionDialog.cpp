#include "UI/Operations/ElectrodepositionDialog.h"

#include "UI/Operations/MaterialComboBox.h"
#include "UI/Operations/OptionsForm.h"

#include <QComboBox>
#include <QDoubleSpinBox>

namespace Ui::Operations {

ElectrodepositionDialog::ElectrodepositionDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("ElectrodepositionForm"), QStringLiteral("Electroplating Options"));
    thicknessBox = OptionsForm::distanceBox(this, QStringLiteral("dblFilmThickness"));
    depositedBox =
        MaterialComboBox::create(this, QStringLiteral("cbxMaterial"), MaterialOffer::wholeCatalogue());
    conductingBox = MaterialComboBox::create(this, QStringLiteral("cbxConductingMaterial"),
                                             MaterialOffer::wholeCatalogue());
    form.addRow(QStringLiteral("Film thickness"), thicknessBox);
    form.addRow(QStringLiteral("Material"), depositedBox);
    form.addRow(QStringLiteral("Conducting Material"), conductingBox);
}

double ElectrodepositionDialog::getThickness() const
{
    return thicknessBox->value();
}

uint32_t ElectrodepositionDialog::getDepositedMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(depositedBox);
}

uint32_t ElectrodepositionDialog::getConductingMaterialId() const
{
    return MaterialComboBox::selectedMaterialId(conductingBox);
}

void ElectrodepositionDialog::loadParameters(const QMap<QString, QVariant> &parameters)
{
    OptionsForm::preset(thicknessBox, parameters, QStringLiteral("Film Thickness"));
    MaterialComboBox::selectStored(depositedBox, parameters, QStringLiteral("Deposited Material"));
    MaterialComboBox::selectStored(conductingBox, parameters, QStringLiteral("Conducting Material"));
}

} // namespace Ui::Operations
