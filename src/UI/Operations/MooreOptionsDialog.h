#pragma once

#include <QDialog>
#include <QMap>
#include <QString>
#include <QVariant>

class QComboBox;
class QSpinBox;

namespace Ui::Operations {

// "Operation Options" of the layer-by-layer processes: the film material ("Select Film", every
// material of the catalogue) and a whole number of cell layers ("Select Value"; the observers
// name it "Film Thickness" or "Etch Depth").
class MooreOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit MooreOptionsDialog(QWidget *parent = nullptr);

    void setValueLabel(const QString &text);
    uint32_t getMaterialId() const;
    uint32_t getValue() const;
    // Presets the value from `valueKey` ("Thickness" or "Depth", truncated to whole layers) and
    // the material from "Material_Id" (else "Material").
    void loadParameters(const QMap<QString, QVariant> &parameters, const QString &valueKey);

private:
    QComboBox *filmBox = nullptr;
    QSpinBox *valueBox = nullptr;
};

} // namespace Ui::Operations
