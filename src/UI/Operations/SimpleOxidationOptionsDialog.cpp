#include "UI/Operations/SimpleOxidationOptionsDialog.h"

#include "UI/Operations/OptionsForm.h"

#include <QDoubleSpinBox>
#include <QRadioButton>

namespace Ui::Operations {

SimpleOxidationOptionsDialog::SimpleOxidationOptionsDialog(QWidget *parent) : QDialog(parent)
{
    OptionsForm form(this, QStringLiteral("SimpleOxidationOptionsBaseDialog"),
                     QStringLiteral("Si Oxidation Options"));
    timeButton = new QRadioButton(QStringLiteral("Oxidation Time"), this);
    timeButton->setObjectName(QStringLiteral("radOxidationTime"));
    thicknessButton = new QRadioButton(QStringLiteral("Oxide thickness"), this);
    thicknessButton->setObjectName(QStringLiteral("radOxideThickness"));
    thicknessButton->setChecked(true);
    const auto box = [this](const char *name, const char *suffix, double minimum, double maximum,
                            double value) {
        return OptionsForm::doubleSpinBox(this, QLatin1String(name), QLatin1String(suffix), 2, minimum,
                                          maximum, value);
    };
    thicknessBox = box("dblOxideThickness", " microns", 0.0, 100000.0, 10.0);
    timeBox = box("dblOxidationTime", " hours", 0.0, 1000.0, 2.0);
    // Below room temperature, or without oxygen, the growth law gives no thickness.
    temperatureBox = box("dblOxidationTemperature", " K", 300.0, 2000.0, 1273.0);
    pressureBox = box("dblOxidationPressure", " atm", 0.01, 1.0, 1.0);
    pressureBox->setSingleStep(0.1);
    unitsBox = box("dblCellUnitsPerMicron", "", 0.01, 1e9, 100.0);
    connect(timeButton, &QRadioButton::toggled, this, &SimpleOxidationOptionsDialog::enableModeBoxes);
    enableModeBoxes();

    form.addRow(thicknessButton, thicknessBox);
    form.addRow(timeButton);
    form.addRow(QStringLiteral("Time"), timeBox);
    form.addRow(QStringLiteral("Temperature"), temperatureBox);
    form.addRow(QStringLiteral("Pressure"), pressureBox);
    form.addRow(
        QStringLiteral("Cell units per micron"), unitsBox,
        QStringLiteral("Conversion between cell units and microns. Si cells are approximately 1.0 x 1.0 x "
                       "0.35 units."));
}

void SimpleOxidationOptionsDialog::enableModeBoxes()
{
    const bool byTime = timeButton->isChecked();
    thicknessBox->setEnabled(!byTime);
    timeBox->setEnabled(byTime);
    temperatureBox->setEnabled(byTime);
    pressureBox->setEnabled(byTime);
}

Core::Operations::OxidationSettings SimpleOxidationOptionsDialog::getSettings() const
{
    Core::Operations::OxidationSettings settings;
    settings.unitsPerMicron = unitsBox->value();
    settings.byTime = timeButton->isChecked();
    settings.hours = timeBox->value();
    settings.kelvin = temperatureBox->value();
    settings.atmospheres = pressureBox->value();
    settings.microns = thicknessBox->value();
    return settings;
}

void SimpleOxidationOptionsDialog::loadParameters(const QVariantMap &parameters)
{
    OptionsForm::preset(unitsBox, parameters, QStringLiteral("Micron Conversion"));
    OptionsForm::preset(timeBox, parameters, QStringLiteral("Oxidation Time"));
    OptionsForm::preset(temperatureBox, parameters, QStringLiteral("Oxidation Temperature"));
    OptionsForm::preset(pressureBox, parameters, QStringLiteral("Oxidation Pressure"));
    OptionsForm::preset(thicknessBox, parameters, QStringLiteral("Oxidation Thickness"));
    const QVariant byTime = parameters.value(QStringLiteral("OxidationTimeSet"));
    if (byTime.isValid())
        (byTime.toBool() ? timeButton : thicknessButton)->setChecked(true);
}

} // namespace Ui::Operations
