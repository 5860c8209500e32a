#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace Model::Automaton {

// The part of a volume that is drawn, in cells: lower bounds inclusive, upper bounds exclusive.
struct CutBox {
    std::array<uint32_t, 3> lower{0, 0, 0};
    std::array<uint32_t, 3> upper{0, 0, 0};

    // This box limited to a volume of the given sizes (an upper bound never below the lower).
    CutBox clampedTo(uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ) const
    {
        const uint32_t sizes[3] = {sizeX, sizeY, sizeZ};
        CutBox box;
        for (int axis = 0; axis < 3; ++axis) {
            box.upper[axis] = std::min(upper[axis], sizes[axis]);
            box.lower[axis] = std::min(lower[axis], box.upper[axis]);
        }
        return box;
    }
    bool isEmpty() const { return lower[0] >= upper[0] || lower[1] >= upper[1] || lower[2] >= upper[2]; }
    bool operator==(const CutBox &o) const { return lower == o.lower && upper == o.upper; }
};

// One of the six planes bounding a cut box, in cell units: a point p lies inside the box's
// half-space when normal · p + offset <= 0 (the normal points out of the box).
struct ClipPlane {
    std::array<double, 3> normal{0.0, 0.0, 0.0};
    double offset = 0.0;
    bool operator==(const ClipPlane &o) const { return normal == o.normal && offset == o.offset; }
};

} // namespace Model::Automaton
