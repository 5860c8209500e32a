#pragma once

#include "Util/Vector3D.h"

#include <algorithm>
#include <cmath>

namespace Util {

// An axis-aligned box in world units, from its lower to its upper corner.
struct Box3D {
    Vector3D lower;
    Vector3D upper;

    // The smallest box holding this one and `other`.
    Box3D united(const Box3D &other) const
    {
        return {Vector3D(std::min(lower.x, other.lower.x), std::min(lower.y, other.lower.y),
                         std::min(lower.z, other.lower.z)),
                Vector3D(std::max(upper.x, other.upper.x), std::max(upper.y, other.upper.y),
                         std::max(upper.z, other.upper.z))};
    }

    Box3D shifted(const Vector3D &by) const { return {lower + by, upper + by}; }

    // The distance from `point` to the box corner farthest from it.
    double farthestDistanceFrom(const Vector3D &point) const
    {
        const auto along = [](double p, double low, double high) {
            return std::max(std::fabs(p - low), std::fabs(p - high));
        };
        return std::hypot(along(point.x, lower.x, upper.x), along(point.y, lower.y, upper.y),
                          along(point.z, lower.z, upper.z));
    }
};

} // namespace Util
