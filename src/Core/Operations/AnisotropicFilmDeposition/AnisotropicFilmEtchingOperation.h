#pragma once

#include "Core/Operations/AnisotropicFilmDeposition/DirectionalFilmOperation.h"

namespace Core::Operations {

// Etches one material of the chosen cell volume to a depth, with a horizontal to vertical ratio.
class AnisotropicFilmEtchingOperation : public DirectionalFilmOperation {
public:
    static constexpr uint32_t kOperationId = 32;

    explicit AnisotropicFilmEtchingOperation(Core::Workspace &workspace);

    void setDepth(float depth) { setDistance(depth); }
    float getDepth() const { return getDistance(); }

protected:
    void runEngine(Model::Automaton::TotalVolume &volume) override;
};

} // namespace Core::Operations
