#pragma once

#include <QDialog>
#include <QVariantMap>

class QComboBox;
class QDoubleSpinBox;

namespace Ui::Operations {

// "Doping Options": the doped material and the doping depth (cell units).
class DopingOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // Offers the compatible materials of `processId` (the menu operation).
    explicit DopingOptionsDialog(uint32_t processId, QWidget *parent = nullptr);
    // Offers every material of the catalogue (a process-list step).
    explicit DopingOptionsDialog(QWidget *parent = nullptr);

    uint32_t getMaterialId() const;
    double getDepth() const;
    // Presets the widgets from a stored doping step.
    void loadParameters(const QVariantMap &parameters);

private:
    QComboBox *materialBox = nullptr;
    QDoubleSpinBox *depthBox = nullptr;
};

} // namespace Ui::Operations
