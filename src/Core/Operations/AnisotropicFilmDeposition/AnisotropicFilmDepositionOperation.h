#pragma once

#include "Core/Operations/AnisotropicFilmDeposition/DirectionalFilmOperation.h"

namespace Core::Operations {

// Grows a film with a horizontal to vertical ratio on the chosen cell volume.
class AnisotropicFilmDepositionOperation : public DirectionalFilmOperation {
public:
    static constexpr uint32_t kOperationId = 27;

    explicit AnisotropicFilmDepositionOperation(Core::Workspace &workspace);

    void setThickness(float thickness) { setDistance(thickness); }
    float getThickness() const { return getDistance(); }

protected:
    void runEngine(Model::Automaton::TotalVolume &volume) override;
};

} // namespace Core::Operations
