#pragma once

#include "Core/Operations/DopingOperation/IonImplantation.h"

#include "UI/Operations/MaterialOffer.h"

#include <QDialog>
#include <QVariantMap>

class QComboBox;
class QDoubleSpinBox;

namespace Ui::Operations {

// "Ion Implantation Options": the doped material, the implantation depth, the vertical spread
// and the annealing distance (cell units).
class IonImplantationOptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit IonImplantationOptionsDialog(const MaterialOffer &materials, QWidget *parent = nullptr);
    // Offers the whole catalogue, as a process-list step needs.
    explicit IonImplantationOptionsDialog(QWidget *parent = nullptr);

    uint32_t getMaterialId() const;
    Core::Operations::ImplantationProfile getProfile() const;
    // Presets the widgets from a stored ion implantation step.
    void loadParameters(const QVariantMap &parameters);

private:
    QComboBox *materialBox = nullptr;
    QDoubleSpinBox *depthBox = nullptr;
    QDoubleSpinBox *spreadBox = nullptr;
    QDoubleSpinBox *annealingBox = nullptr;
};

} // namespace Ui::Operations
