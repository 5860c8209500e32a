#pragma once

#include "Core/Operations/DistanceCountingAutomaton/DistanceCountingEngine.h"

namespace Core::Operations {

// Grows a conformal film of one material, `thickness` length units thick, over every solid
// surface: every empty cell whose propagated distance to a solid cell is at most the thickness
// gets the material.
class IsotropicFilmDeposition final : public DistanceCountingEngine<IsotropicFilmDeposition> {
public:
    IsotropicFilmDeposition(Model::Automaton::TotalVolume &volume, uint32_t materialId, float thickness);

    // Runs trunc(ceilf(L / m) · K) steps, m the smallest cell size.
    void execute();
    uint32_t iterationCount() const;

private:
    friend Rules;

    // Solid cells are fixed sources; empty cells next to a solid cell start the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice);
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice);

    uint32_t materialId;
    float limit;
    float limitSquared;
};

} // namespace Core::Operations
