#pragma once

#include "UI/Operations/IsotropicFilmOptionsDialog.h"

namespace Ui::Operations {

// "Isotropic Film Etching": etch depth and material.
class IsotropicEtchingDialog : public IsotropicFilmOptionsDialog {
    Q_OBJECT
public:
    explicit IsotropicEtchingDialog(const MaterialOffer &materials, QWidget *parent = nullptr);
    double getDepth() const { return getDistance(); }
};

} // namespace Ui::Operations
