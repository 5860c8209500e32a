#include "Core/Operations/Planarization/SpinCoating.h"

#include "Core/Operations/ColumnSweep.h"

#include <algorithm>

namespace Core::Operations {

namespace {

// Slabs narrower than this run on the calling thread.
constexpr uint32_t kMinimumSlabWidth = 3;

} // namespace

SpinCoating::SpinCoating(Model::Automaton::TotalVolume &volume, uint32_t material, uint32_t height)
    : volume(volume), material(material), height(std::min(height, volume.getSizeZ()))
{
}

void SpinCoating::run()
{
    sweepColumns(volume, kMinimumSlabWidth, [&](Model::Automaton::Voxel *column, uint32_t, uint32_t) {
        for (uint32_t z = 0; z < height; ++z) {
            if (column[z].materialId == 0)
                column[z].materialId = material;
        }
    });
}

} // namespace Core::Operations
