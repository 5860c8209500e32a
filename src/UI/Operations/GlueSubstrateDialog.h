#pragma once

#include "Core/Operations/GlueSubstrate/SubstrateGluing.h"

#include <QDialog>

class QCheckBox;
class QSpinBox;

namespace Ui::Operations {

// The size of the glued volume, the shift of the top volume and whether to turn it over. The
// size cannot go below what holds both volumes, nor the shift beyond what keeps the top inside.
class GlueSubstrateDialog : public QDialog {
    Q_OBJECT
public:
    explicit GlueSubstrateDialog(QWidget *parent = nullptr);

    // Sets the limits and defaults from the measured volumes; kept for the dialog's lifetime.
    void setGluing(const Core::Operations::SubstrateGluing &measured);

    Core::Operations::SubstrateGluing::Placement getPlacement() const;

private:
    void limitShifts();

    const Core::Operations::SubstrateGluing *gluing = nullptr;
    QSpinBox *sizeBoxes[3] = {};
    QSpinBox *shiftBoxes[2] = {};
    QCheckBox *invertBox = nullptr;
};

} // namespace Ui::Operations
