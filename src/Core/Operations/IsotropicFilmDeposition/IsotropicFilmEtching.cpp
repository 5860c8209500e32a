#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"

#include <cmath>

namespace Core::Operations {

using Model::Automaton::Voxel;

IsotropicFilmEtching::IsotropicFilmEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId, float depth)
    : DistanceCountingEngine(volume), materialId(materialId), limit(depth), limitSquared(depth * depth)
{
    eligibleMaterials = {0, materialId};
}

uint32_t IsotropicFilmEtching::iterationCount() const
{
    return truncatedIterations(std::ceil(double(limit) * K / double(smallestCellSize())));
}

void IsotropicFilmEtching::execute()
{
    run(iterationCount());
}

void IsotropicFilmEtching::initializeCellAt(const CellSite &cell, uint32_t slice)
{
    Voxel &voxel = cells[cell.index];
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
    if (anyNeighbour(cell, [](const Voxel &neighbour) { return neighbour.materialId == 0; }))
        addToFront(cell.index, slice);
}

void IsotropicFilmEtching::updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront,
                                        uint32_t slice)
{
    const Voxel &voxel = cells[cell.index];
    if (voxel.fixed || (voxel.materialId != materialId && voxel.materialId != 0))
        return;
    DistanceVector best;
    if (relax(cell, limitSquared, best))
        changeCell(cell, 0, best, begin, end, nextFront, slice);
}

} // namespace Core::Operations
