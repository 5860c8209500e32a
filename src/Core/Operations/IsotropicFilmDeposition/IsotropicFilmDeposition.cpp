#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"

#include <cmath>

namespace Core::Operations {

using Model::Automaton::Voxel;

IsotropicFilmDeposition::IsotropicFilmDeposition(Model::Automaton::TotalVolume &volume, uint32_t materialId,
                                                 float thickness)
    : DistanceCountingEngine(volume), materialId(materialId), limit(thickness), limitSquared(thickness * thickness)
{
    eligibleMaterials = {0, materialId};
}

uint32_t IsotropicFilmDeposition::iterationCount() const
{
    return truncatedIterations(double(std::ceil(limit / smallestCellSize())) * K);
}

void IsotropicFilmDeposition::execute()
{
    run(iterationCount());
}

void IsotropicFilmDeposition::initializeCellAt(const CellSite &cell, uint32_t slice)
{
    Voxel &voxel = cells[cell.index];
    if (voxel.materialId != 0) {
        voxel.fixed = 1;
        voxel.setDistance(0.0f, 0.0f, 0.0f);
        return;
    }
    voxel.fixed = 0;
    voxel.setDistance(limit, limit, limit);
    if (anyNeighbour(cell, [](const Voxel &neighbour) { return neighbour.materialId != 0; }))
        addToFront(cell.index, slice);
}

void IsotropicFilmDeposition::updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront,
                                           uint32_t slice)
{
    const Voxel &voxel = cells[cell.index];
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
