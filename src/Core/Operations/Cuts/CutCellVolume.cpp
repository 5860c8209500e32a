#include "Core/Operations/Cuts/CutCellVolume.h"

#include "Core/Operations/ColumnSweep.h"

namespace Core::Operations {

using Model::Automaton::Voxel;

CutCellVolume::CutCellVolume(Model::Automaton::TotalVolume &volume, const Model::Automaton::ImageMask &mask)
    : volume(volume), keptColumns(mask.columnMap(volume.getSizeX(), volume.getSizeY()))
{
}

void CutCellVolume::run(Mode mode)
{
    const uint32_t sizeY = volume.getSizeY();
    const uint32_t sizeZ = volume.getSizeZ();
    sweepColumns(volume, 1, [&](Voxel *column, uint32_t x, uint32_t y) {
        if (keptColumns[size_t(x) * sizeY + y])
            return;
        for (uint32_t z = 0; z < sizeZ; ++z) {
            uint8_t &count = column[z].cutCount;
            switch (mode) {
            case Mode::Cut: count = count < kMaximumCount ? uint8_t(count + 1) : count; break;
            case Mode::Uncut: count = count > 0 ? uint8_t(count - 1) : count; break;
            case Mode::Reset: count = 0; break;
            }
        }
    });
}

} // namespace Core::Operations
