#include "Core/Operations/Photolithography/Photolithography.h"

#include "Core/Operations/ColumnSweep.h"

namespace Core::Operations {

using Model::Automaton::Voxel;

namespace {

// Slabs narrower than this run on the calling thread.
constexpr uint32_t kMinimumSlabWidth = 2;

} // namespace

Photolithography::Photolithography(Model::Automaton::TotalVolume &volume, uint32_t resistMaterial,
                                   const Model::Automaton::ImageMask &bottomMask,
                                   const Model::Automaton::ImageMask &topMask)
    : volume(volume), resistMaterial(resistMaterial),
      bottomProtection(
          bottomMask.columnMap(volume.getSizeX(), volume.getSizeY(), resistMaterial == kNegativeResist)),
      topProtection(
          topMask.columnMap(volume.getSizeX(), volume.getSizeY(), resistMaterial == kNegativeResist))
{
}

// Development spreads from an exposed cell through the resist of its column and stops at any
// other material, so a run of resist cells is removed as a whole exactly when one of its two
// ends is exposed: its top end to an empty cell above under an open top mask, or its bottom end
// to an empty cell below under an open bottom mask. The top and bottom layers of the volume
// have no neighbour beyond the volume and are never exposed from that side.
void Photolithography::run()
{
    const uint32_t sizeY = volume.getSizeY();
    const uint32_t sizeZ = volume.getSizeZ();
    sweepColumns(volume, kMinimumSlabWidth, [&](Voxel *column, uint32_t x, uint32_t y) {
        const size_t columnIndex = size_t(x) * sizeY + y;
        const bool topOpen = !topProtection[columnIndex];
        const bool bottomOpen = !bottomProtection[columnIndex];
        if (!topOpen && !bottomOpen)
            return;
        forEachRun(column, sizeZ, resistMaterial, [&](uint32_t begin, uint32_t end) {
            const bool exposedAbove = topOpen && end < sizeZ && column[end].materialId == 0;
            const bool exposedBelow = bottomOpen && begin >= 1 && column[begin - 1].materialId == 0;
            if (exposedAbove || exposedBelow)
                emptyCells(column, begin, end);
        });
    });
}

} // namespace Core::Operations
