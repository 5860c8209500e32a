#pragma once

#include "UI/Operations/MaterialOffer.h"

#include <QDialog>
#include <QVariantMap>

class QComboBox;
class QDoubleSpinBox;

namespace Ui::Operations {

// "Doping Options": the doped material and the doping depth (cell units).
class DopingOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit DopingOptionsDialog(const MaterialOffer &materials, QWidget *parent = nullptr);
    // Offers the whole catalogue, as a process-list step needs.
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
