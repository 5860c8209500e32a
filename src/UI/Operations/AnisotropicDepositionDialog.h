#pragma once

#include "UI/Operations/DirectionalFilmOptionsDialog.h"

namespace Ui::Operations {

// Anisotropic deposition options: film thickness, horizontal ratio and material.
class AnisotropicDepositionDialog : public DirectionalFilmOptionsDialog {
    Q_OBJECT
public:
    explicit AnisotropicDepositionDialog(const MaterialOffer &materials, QWidget *parent = nullptr);
    double getThickness() const { return getDistance(); }
};

} // namespace Ui::Operations
