#pragma once

#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDeposition.h"
#include "UI/Operations/DirectionalFilmOptionsDialog.h"

class QRadioButton;

namespace Ui::Operations {

// Physical vapour deposition options: film thickness, horizontal ratio (at least 0.01),
// material, and the side the vapour comes from ("Deposit on top" at start).
class PVDOptionsDialog : public DirectionalFilmOptionsDialog {
    Q_OBJECT
public:
    explicit PVDOptionsDialog(const MaterialOffer &materials, QWidget *parent = nullptr);

    double getThickness() const { return getDistance(); }
    // Bottom when "Deposit on bottom" is checked, else both when "Deposit on both sides" is,
    // else top.
    Core::Operations::DepositSide getDepositSide() const;
    // Also presets the side from "DepositOn".
    void loadParameters(const QMap<QString, QVariant> &parameters) override;

private:
    QRadioButton *topButton = nullptr;
    QRadioButton *bottomButton = nullptr;
    QRadioButton *bothButton = nullptr;
};

} // namespace Ui::Operations
