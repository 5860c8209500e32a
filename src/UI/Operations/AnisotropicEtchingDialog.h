#pragma once

#include "UI/Operations/DirectionalFilmOptionsDialog.h"

namespace Ui::Operations {

// Anisotropic etching options: etch depth, horizontal ratio and material.
class AnisotropicEtchingDialog : public DirectionalFilmOptionsDialog {
    Q_OBJECT
public:
    explicit AnisotropicEtchingDialog(const MaterialOffer &materials, QWidget *parent = nullptr);
    double getDepth() const { return getDistance(); }
};

} // namespace Ui::Operations
