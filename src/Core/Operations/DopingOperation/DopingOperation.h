#pragma once

#include "Core/Operations/FilmProcessOperation.h"

namespace Core::Operations {

// Simple doping of the chosen cell volume: every dopable cell within the doping depth of empty
// space takes the doped material. Runs only once the options were given.
class DopingOperation : public FilmProcessOperation {
public:
    static constexpr uint32_t kOperationId = 17;

    explicit DopingOperation(Core::Workspace &workspace);

    void setDepth(float depth) { setDistance(depth); }
    float getDepth() const { return getDistance(); }

protected:
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    bool isReady() const override { return isMaterialSet() && isDistanceSet(); }
    // Doping always outdates the volume's silicon lattice.
    bool outdatesLattice() const override { return true; }
};

} // namespace Core::Operations
