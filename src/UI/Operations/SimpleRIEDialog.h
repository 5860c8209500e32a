#pragma once

#include <QDialog>
#include <QMap>
#include <QVariant>

class QCheckBox;
class QComboBox;
class QSpinBox;

namespace Ui::Operations {

// "Simple RIE Options": the material etched (any of the catalogue), the etch depth in cell
// layers, and whether it etches from the top, from below, or both.
class SimpleRIEDialog : public QDialog {
    Q_OBJECT
public:
    explicit SimpleRIEDialog(QWidget *parent = nullptr);

    uint32_t getMaterialId() const;
    uint32_t getDepth() const;
    // SimpleReactiveIonEtching::kFromTop and kFromBelow.
    uint8_t getDirections() const;
    // Presets the widgets from "Etch Depth", "EtchDirectionValue" and "Material_Id" or "Material".
    void loadParameters(const QMap<QString, QVariant> &parameters);

private:
    QSpinBox *depthBox = nullptr;
    QCheckBox *fromTopBox = nullptr;
    QCheckBox *fromBelowBox = nullptr;
    QComboBox *materialBox = nullptr;
};

} // namespace Ui::Operations
