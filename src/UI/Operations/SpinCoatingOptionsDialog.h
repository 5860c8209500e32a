#pragma once

#include <QDialog>
#include <QMap>
#include <QVariant>

class QComboBox;
class QSpinBox;

namespace Ui::Operations {

// "Pour Material Options": the material poured (any of the catalogue) and the height it fills up
// to, in cells.
class SpinCoatingOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit SpinCoatingOptionsDialog(QWidget *parent = nullptr);

    // Limits the height to the volume's height.
    void setVolumeHeight(uint32_t sizeZ);
    uint32_t getMaterialId() const;
    uint32_t getHeight() const;
    // Presets the height from "Maximum Height" and the material from "Material_Id" or "Material".
    void loadParameters(const QMap<QString, QVariant> &parameters);

private:
    QComboBox *materialBox = nullptr;
    QSpinBox *heightBox = nullptr;
};

} // namespace Ui::Operations
