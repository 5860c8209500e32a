#include "UI/Operations/SimpleOxidationOptionsDialog.h"

#include "UI/Operations/OptionsDialogParts.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace Ui::Operations {
namespace {

QDoubleSpinBox *spinBox(QWidget *parent, const char *name, const char *suffix, double minimum, double maximum,
                        double value)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setSuffix(QLatin1String(suffix));
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

} // namespace

SimpleOxidationOptionsDialog::SimpleOxidationOptionsDialog(uint32_t, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SimpleOxidationOptionsBaseDialog"));
    setWindowTitle(QStringLiteral("Si Oxidation Options"));
    timeButton = new QRadioButton(QStringLiteral("Oxidation Time"), this);
    timeButton->setObjectName(QStringLiteral("radOxidationTime"));
    thicknessButton = new QRadioButton(QStringLiteral("Oxide thickness"), this);
    thicknessButton->setObjectName(QStringLiteral("radOxideThickness"));
    thicknessButton->setChecked(true);
    thicknessBox = spinBox(this, "dblOxideThickness", " microns", 0.0, 100000.0, 10.0);
    timeBox = spinBox(this, "dblOxidationTime", " hours", 0.0, 1000.0, 2.0);
    // Below room temperature and without oxygen the growth law gives no thickness.
    temperatureBox = spinBox(this, "dblOxidationTemperature", " K", 300.0, 2000.0, 1273.0);
    pressureBox = spinBox(this, "dblOxidationPressure", " atm", 0.01, 1.0, 1.0);
    pressureBox->setSingleStep(0.1);
    unitsBox = spinBox(this, "dblCellUnitsPerMicron", "", 0.01, 1e9, 100.0);
    unitsBox->setToolTip(QStringLiteral(
        "Conversion between cell units and microns. Si cells are approximately 1.0 x 1.0 x 0.35 units."));
    connect(timeButton, &QRadioButton::toggled, this, &SimpleOxidationOptionsDialog::enableModeBoxes);
    connect(thicknessButton, &QRadioButton::toggled, this, &SimpleOxidationOptionsDialog::enableModeBoxes);
    enableModeBoxes();

    auto *form = new QFormLayout;
    form->addRow(thicknessButton, thicknessBox);
    form->addRow(timeButton);
    form->addRow(QStringLiteral("Time"), timeBox);
    form->addRow(QStringLiteral("Temperature"), temperatureBox);
    form->addRow(QStringLiteral("Pressure"), pressureBox);
    form->addRow(QStringLiteral("Cell units per micron"), unitsBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(OptionsDialogParts::okCancelButtons(this));
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
    OptionsDialogParts::loadValue(unitsBox, parameters, QStringLiteral("Micron Conversion"));
    OptionsDialogParts::loadValue(timeBox, parameters, QStringLiteral("Oxidation Time"));
    OptionsDialogParts::loadValue(temperatureBox, parameters, QStringLiteral("Oxidation Temperature"));
    OptionsDialogParts::loadValue(pressureBox, parameters, QStringLiteral("Oxidation Pressure"));
    OptionsDialogParts::loadValue(thicknessBox, parameters, QStringLiteral("Oxidation Thickness"));
    const QVariant byTime = parameters.value(QStringLiteral("OxidationTimeSet"));
    if (byTime.isValid())
        (byTime.toBool() ? timeButton : thicknessButton)->setChecked(true);
}

} // namespace Ui::Operations
