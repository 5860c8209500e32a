#pragma once

#include "Core/Operations/DistanceCountingAutomaton/LimitedProcessEngine.h"

namespace Core::Operations {

// Grows a conformal film of one material, `thickness` length units thick, over every solid
// surface: every empty cell whose propagated distance to a solid cell is at most the thickness
// gets the material.
class IsotropicFilmDeposition final : public LimitedProcessEngine<IsotropicFilmDeposition> {
public:
    IsotropicFilmDeposition(Model::Automaton::TotalVolume &volume, uint32_t materialId, float thickness);
    ~IsotropicFilmDeposition() override;

    // execute() runs trunc(ceilf(L / m) · K) steps, m the smallest cell size.
    uint32_t iterationCount() const;

private:
    friend Rules;

    // Solid cells are fixed sources; empty cells next to a solid cell start the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice);
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice);
};

// The rules are inline so the slab loops can inline them.
inline void IsotropicFilmDeposition::initializeCellAt(const CellSite &cell, uint32_t slice)
{
    Model::Automaton::Voxel &voxel = cells[cell.index];
    if (voxel.materialId != 0) {
        voxel.fixed = 1;
        voxel.setDistance(0.0f, 0.0f, 0.0f);
        return;
    }
    voxel.fixed = 0;
    voxel.setDistance(limit, limit, limit);
    if (anyNeighbour(cell,
                     [](const Model::Automaton::Voxel &neighbour) { return neighbour.materialId != 0; }))
        addToFront(cell.index, slice);
}

inline void IsotropicFilmDeposition::updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end,
                                                  Front &nextFront, uint32_t slice)
{
    const Model::Automaton::Voxel &voxel = cells[cell.index];
    if (voxel.fixed)
        return;
    DistanceVector best;
    if (!relax(cell, limitSquared, best))
        return;
    // A cell deposited in an earlier step keeps its material.
    const uint32_t newMaterial = voxel.materialId == 0 ? materialId : voxel.materialId;
    changeCell(cell, newMaterial, best, begin, end, nextFront, slice);
}

} // namespace Core::Operations
