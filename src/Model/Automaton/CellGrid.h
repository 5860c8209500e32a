#pragma once

#include "Model/Geometry/QuadFace.h"

#include <cstddef>
#include <cstdint>

namespace Model::Automaton {

class TotalVolume;

// The shape of a volume's cell array as the surface generators see it: the number of cells per
// axis, the cell size per axis, and the cell index (x·sizeY + y)·sizeZ + z.
struct CellGrid {
    uint32_t sizeX = 0;
    uint32_t sizeY = 0;
    uint32_t sizeZ = 0;
    Geometry::Point3 cellSize{1.0f, 1.0f, 1.0f};

    static CellGrid of(const TotalVolume &volume);

    size_t index(uint32_t x, uint32_t y, uint32_t z) const { return (size_t(x) * sizeY + y) * sizeZ + z; }
    size_t strideX() const { return size_t(sizeY) * sizeZ; }
    size_t strideY() const { return sizeZ; }
};

} // namespace Model::Automaton
