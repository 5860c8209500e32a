#include "Core/Operations/Planarization/Planarization.h"

#include "Core/Operations/ColumnSweep.h"

#include <algorithm>

namespace Core::Operations {

namespace {

// Slabs narrower than this run on the calling thread.
constexpr uint32_t kMinimumSlabWidth = 3;

} // namespace

Planarization::Planarization(Model::Automaton::TotalVolume &volume, uint32_t maximumHeight,
                             uint32_t minimumHeight)
    : volume(volume), maximumHeight(std::min(maximumHeight, volume.getSizeZ())), minimumHeight(minimumHeight)
{
}

void Planarization::run()
{
    const uint32_t sizeZ = volume.getSizeZ();
    const uint32_t below = std::min(minimumHeight, sizeZ);
    sweepColumns(volume, kMinimumSlabWidth, [&](Model::Automaton::Voxel *column, uint32_t, uint32_t) {
        emptyCells(column, 0, below);
        emptyCells(column, maximumHeight, sizeZ);
    });
}

} // namespace Core::Operations
