#pragma once

#include "Core/Operations/SiOxidation/OxidationSettings.h"

#include <QDialog>
#include <QVariantMap>

class QDoubleSpinBox;
class QRadioButton;

namespace Ui::Operations {

// "Si Oxidation Options": an oxide thickness, or an oxidation time, temperature and pressure,
// and the cell units per micron. Each radio button enables the spin boxes of its mode.
class SimpleOxidationOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SimpleOxidationOptionsDialog(QWidget *parent = nullptr);

    Core::Operations::OxidationSettings getSettings() const;
    // Presets the widgets from a stored oxidation step.
    void loadParameters(const QVariantMap &parameters);

private:
    void enableModeBoxes();

    QRadioButton *timeButton = nullptr;
    QRadioButton *thicknessButton = nullptr;
    QDoubleSpinBox *thicknessBox = nullptr;
    QDoubleSpinBox *timeBox = nullptr;
    QDoubleSpinBox *temperatureBox = nullptr;
    QDoubleSpinBox *pressureBox = nullptr;
    QDoubleSpinBox *unitsBox = nullptr;
};

} // namespace Ui::Operations
