#pragma once

#include "Core/Operations/DistanceCountingAutomaton/LimitedProcessEngine.h"

namespace Core::Operations {

// Removes one material to `depth` length units from every surface that touches empty space,
// through that material only: other materials stop the etch.
class IsotropicFilmEtching final : public LimitedProcessEngine<IsotropicFilmEtching> {
public:
    IsotropicFilmEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId, float depth);
    ~IsotropicFilmEtching() override;

    // execute() runs trunc(ceil(L · K / m)) steps, m the smallest cell size.
    uint32_t iterationCount() const;

private:
    friend Rules;

    // Empty cells are fixed sources; cells of other materials are fixed; cells of the etched
    // material next to an empty cell start the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice);
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice);
};

// The rules are inline so the slab loops can inline them.
inline void IsotropicFilmEtching::initializeCellAt(const CellSite &cell, uint32_t slice)
{
    Model::Automaton::Voxel &voxel = cells[cell.index];
    if (voxel.materialId == 0) {
        voxel.fixed = 1;
        voxel.setDistance(0.0f, 0.0f, 0.0f);
        return;
    }
    voxel.setDistance(limit, limit, limit);
    if (voxel.materialId != materialId) {
        voxel.fixed = 1;
        return;
    }
    voxel.fixed = 0;
    if (anyNeighbour(cell,
                     [](const Model::Automaton::Voxel &neighbour) { return neighbour.materialId == 0; }))
        addToFront(cell.index, slice);
}

inline void IsotropicFilmEtching::updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end,
                                               Front &nextFront, uint32_t slice)
{
    const Model::Automaton::Voxel &voxel = cells[cell.index];
    if (voxel.fixed || (voxel.materialId != materialId && voxel.materialId != 0))
        return;
    DistanceVector best;
    if (relax(cell, limitSquared, best))
        changeCell(cell, 0, best, begin, end, nextFront, slice);
}

} // namespace Core::Operations
