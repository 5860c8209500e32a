#pragma once

#include "Core/Operations/DistanceCountingAutomaton/LimitedProcessEngine.h"

namespace Core::Operations {

// Turns every dopable cell (the compatible materials of the simple doping process) within
// `depth` length units of empty space into the doped material. The dopant spreads through
// dopable cells only: other materials shield what lies behind them.
class SimpleDoping final : public LimitedProcessEngine<SimpleDoping> {
public:
    SimpleDoping(Model::Automaton::TotalVolume &volume, uint32_t dopedMaterial, float depth);
    ~SimpleDoping() override;

    // execute() runs trunc(ceilf(L / m) · K) steps, m the smallest cell size.
    uint32_t iterationCount() const;

    // Dopable cells enter the fronts (the engine's eligible set stays empty).
    const MaterialIdSet &frontMaterials() const override { return dopableMaterials; }

private:
    friend Rules;

    // Empty cells are fixed sources, other materials are fixed; dopable cells next to an
    // empty cell start the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice);
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice);

    MaterialIdSet dopableMaterials;
};

inline void SimpleDoping::initializeCellAt(const CellSite &cell, uint32_t slice)
{
    Model::Automaton::Voxel &voxel = cells[cell.index];
    if (voxel.materialId == 0) {
        voxel.fixed = 1;
        voxel.setDistance(0.0f, 0.0f, 0.0f);
        return;
    }
    voxel.setDistance(limit, limit, limit);
    if (!dopableMaterials.contains(voxel.materialId)) {
        voxel.fixed = 1;
        return;
    }
    voxel.fixed = 0;
    if (anyNeighbour(cell,
                     [](const Model::Automaton::Voxel &neighbour) { return neighbour.materialId == 0; }))
        addToFront(cell.index, slice);
}

inline void SimpleDoping::updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront,
                                       uint32_t slice)
{
    const Model::Automaton::Voxel &voxel = cells[cell.index];
    if (voxel.fixed || !dopableMaterials.contains(voxel.materialId))
        return;
    DistanceVector best;
    if (relax(cell, limitSquared, best))
        changeCell(cell, materialId, best, begin, end, nextFront, slice);
}

} // namespace Core::Operations
