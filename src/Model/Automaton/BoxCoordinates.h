#pragma once

#include "Model/Automaton/CutBox.h"
#include "Model/Geometry/QuadFace.h"

#include <vector>

namespace Model::Automaton {

// The world coordinate float(k) · cell size of every grid line k from a box's lower to its upper
// limit on each axis, worked out once instead of once per face corner.
class BoxCoordinates {
public:
    BoxCoordinates(const CutBox &box, const Geometry::Point3 &cellSize) : lower(box.lower)
    {
        for (int axis = 0; axis < 3; ++axis) {
            for (uint64_t k = box.lower[axis]; k <= box.upper[axis]; ++k)
                lines[axis].push_back(float(uint32_t(k)) * cellSize[axis]);
        }
    }

    // The grid point (x, y, z), each coordinate within the box's limits.
    Geometry::Point3 at(uint32_t x, uint32_t y, uint32_t z) const
    {
        return {lines[0][x - lower[0]], lines[1][y - lower[1]], lines[2][z - lower[2]]};
    }

private:
    std::array<uint32_t, 3> lower;
    std::vector<float> lines[3];
};

} // namespace Model::Automaton
