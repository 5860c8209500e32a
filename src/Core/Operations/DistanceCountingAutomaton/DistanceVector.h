#pragma once

namespace Core::Operations {

// A displacement in length units: from a cell to its nearest source cell, or from a cell to one
// of its neighbours.
struct DistanceVector {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    DistanceVector operator+(const DistanceVector &o) const { return {x + o.x, y + o.y, z + o.z}; }
    // Computed in single precision in this order, so every engine compares the same numbers.
    float squaredLength() const { return (x * x + y * y) + z * z; }
};

} // namespace Core::Operations
