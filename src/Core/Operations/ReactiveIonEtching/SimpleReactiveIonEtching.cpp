#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtching.h"

#include "Core/Operations/ColumnSweep.h"

namespace Core::Operations {

using Model::Automaton::Voxel;

SimpleReactiveIonEtching::SimpleReactiveIonEtching(Model::Automaton::TotalVolume &volume, uint32_t material,
                                                   uint32_t depth, uint8_t directions)
    : volume(volume), material(material), depth(depth), directions(directions)
{
}

// Each step removes the cells of the front and moves it one cell further into the material of
// its column, so a run of the material loses `depth` cells from each exposed end (all of it when
// the run is shorter), and the fronts never leave the run they started in.
void SimpleReactiveIonEtching::run()
{
    const bool fromTop = directions & kFromTop;
    const bool fromBelow = directions & kFromBelow;
    if ((!fromTop && !fromBelow) || depth == 0)
        return;
    const uint32_t sizeZ = volume.getSizeZ();
    sweepColumns(volume, 1, [&](Voxel *column, uint32_t, uint32_t) {
        forEachRun(column, sizeZ, material, [&](uint32_t begin, uint32_t end) {
            const uint32_t etched = std::min(depth, end - begin);
            const bool topExposed = fromTop && end < sizeZ && column[end].materialId == 0;
            const bool bottomExposed = fromBelow && begin >= 1 && column[begin - 1].materialId == 0;
            if (topExposed)
                emptyCells(column, end - etched, end);
            if (bottomExposed)
                emptyCells(column, begin, begin + etched);
        });
    });
}

} // namespace Core::Operations
