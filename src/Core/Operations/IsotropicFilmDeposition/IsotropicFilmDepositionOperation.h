#pragma once

#include "Core/Operations/FilmProcessOperation.h"

namespace Core::Operations {

// Grows a conformal film on the chosen cell volume. Built for the actions "Isotropic Deposition"
// and "CVD" (the display name differs; both report operation id 13).
class IsotropicFilmDepositionOperation : public FilmProcessOperation {
public:
    static constexpr uint32_t kOperationId = 13;

    explicit IsotropicFilmDepositionOperation(Core::Workspace &workspace,
                                              std::string name = "Isotropic Deposition");

    void setThickness(float thickness) { setDistance(thickness); }
    float getThickness() const { return getDistance(); }

protected:
    void runEngine(Model::Automaton::TotalVolume &volume) override;
};

} // namespace Core::Operations
