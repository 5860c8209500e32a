#pragma once

#include "Core/Operations/FilmProcessOperation.h"

namespace Core::Operations {

// Etches one material of the chosen cell volume to a depth from every surface touching empty
// space.
class IsotropicFilmEtchingOperation : public FilmProcessOperation {
public:
    static constexpr uint32_t kOperationId = 14;

    explicit IsotropicFilmEtchingOperation(Core::Workspace &workspace);

    void setDepth(float depth) { setDistance(depth); }
    float getDepth() const { return getDistance(); }

protected:
    void runEngine(Model::Automaton::TotalVolume &volume) override;
};

} // namespace Core::Operations
