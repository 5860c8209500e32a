#pragma once

#include "Core/Operations/DistanceCountingAutomaton/DistanceCountingEngine.h"

namespace Core::Operations {

// Removes one material to `depth` length units from every surface that touches empty space,
// through that material only: other materials stop the etch.
class IsotropicFilmEtching final : public DistanceCountingEngine<IsotropicFilmEtching> {
public:
    IsotropicFilmEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId, float depth);

    // Runs trunc(ceil(L · K / m)) steps, m the smallest cell size.
    void execute();
    uint32_t iterationCount() const;

private:
    friend Rules;

    // Empty cells are fixed sources; cells of other materials are fixed; cells of the etched
    // material next to an empty cell start the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice);
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice);

    uint32_t materialId;
    float limit;
    float limitSquared;
};

} // namespace Core::Operations
