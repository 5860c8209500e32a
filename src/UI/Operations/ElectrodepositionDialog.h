#pragma once

#include <QDialog>
#include <QMap>
#include <QString>
#include <QVariant>

class QComboBox;
class QDoubleSpinBox;

namespace Ui::Operations {

// "Electroplating Options": film thickness, the deposited material ("Material") and the
// conducting material, both chosen among every material of the catalogue.
class ElectrodepositionDialog : public QDialog {
    Q_OBJECT
public:
    explicit ElectrodepositionDialog(QWidget *parent = nullptr);

    double getThickness() const;
    uint32_t getDepositedMaterialId() const;
    uint32_t getConductingMaterialId() const;
    // Presets from "Film Thickness", "Deposited Material_Id" (else "Deposited Material") and
    // "Conducting Material_Id" (else "Conducting Material").
    void loadParameters(const QMap<QString, QVariant> &parameters);

private:
    QDoubleSpinBox *thicknessBox = nullptr;
    QComboBox *depositedBox = nullptr;
    QComboBox *conductingBox = nullptr;
};

} // namespace Ui::Operations
