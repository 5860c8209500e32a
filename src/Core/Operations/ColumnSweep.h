#pragma once

#include "Model/Automaton/TotalVolume.h"
#include "Util/ParallelSlabs.h"

#include <cstdint>

namespace Core::Operations {

// Runs `work(column, x, y)` for every cell column of the volume, `column` pointing at its cells
// from z = 0 up. The x range is split into one slab per pool thread when each slab is at least
// `minimumSlabWidth` layers wide (otherwise it runs on the calling thread); a column belongs to
// one slab, so work that stays within its column gives the same cells for any thread count.
// Holds the cell lock for the whole sweep.
template <class Work>
void sweepColumns(Model::Automaton::TotalVolume &volume, uint32_t minimumSlabWidth, const Work &work)
{
    const uint32_t sizeY = volume.getSizeY();
    const uint32_t sizeZ = volume.getSizeZ();
    Model::Automaton::CellsLocker locker(volume);
    Model::Automaton::Voxel *cells = locker.get();
    Util::runSlabs(Util::slabsOfAtLeast(volume.getSizeX(), minimumSlabWidth),
                   [&](const Util::SlabRange &slab, size_t) {
                       for (uint32_t x = slab.begin; x < slab.end; ++x) {
                           for (uint32_t y = 0; y < sizeY; ++y)
                               work(cells + (size_t(x) * sizeY + y) * sizeZ, x, y);
                       }
                   });
}

// Calls `run(begin, end)` for every maximal run of cells holding `material` in a column of
// `height` cells, bottom up; the run covers z in [begin, end). The cells just outside a run
// (z = begin − 1 and z = end, where they exist) hold other materials, so `run` may change the
// run's own cells without affecting the runs found after it.
template <class Run>
void forEachRun(const Model::Automaton::Voxel *column, uint32_t height, uint32_t material, const Run &run)
{
    uint32_t z = 0;
    while (z < height) {
        if (column[z].materialId != material) {
            ++z;
            continue;
        }
        const uint32_t begin = z;
        while (z < height && column[z].materialId == material)
            ++z;
        run(begin, z);
    }
}

// Empties the cells [begin, end) of a column.
inline void emptyCells(Model::Automaton::Voxel *column, uint32_t begin, uint32_t end)
{
    for (uint32_t z = begin; z < end; ++z)
        column[z].materialId = 0;
}

} // namespace Core::Operations
