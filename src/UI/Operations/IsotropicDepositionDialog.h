#pragma once

#include "UI/Operations/IsotropicFilmOptionsDialog.h"

namespace Ui::Operations {

// "Isotropic Film Deposition": film thickness and material.
class IsotropicDepositionDialog : public IsotropicFilmOptionsDialog {
    Q_OBJECT
public:
    explicit IsotropicDepositionDialog(const MaterialOffer &materials, QWidget *parent = nullptr);
    double getThickness() const { return getDistance(); }
};

} // namespace Ui::Operations
