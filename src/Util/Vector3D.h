#pragma once

#include "Util/Vector4D.h"

#include <QMetaType>

namespace Util {

// A Vector4D with w = 0: positions, displacements and sizes in world units.
class Vector3D : public Vector4D {
public:
    Vector3D() = default;
    explicit Vector3D(double all) : Vector4D(all, all, all, 0.0) {}
    Vector3D(double x, double y, double z) : Vector4D(x, y, z, 0.0) {}
    Vector3D(const Vector4D &v) : Vector4D(v.x, v.y, v.z, 0.0) {}

    Vector3D operator*(double factor) const { return Vector3D(x * factor, y * factor, z * factor); }
    Vector3D operator-(const Vector3D &o) const { return Vector3D(x - o.x, y - o.y, z - o.z); }
    Vector3D operator+(const Vector3D &o) const { return Vector3D(x + o.x, y + o.y, z + o.z); }
    Vector3D &operator+=(const Vector3D &o)
    {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
};

} // namespace Util

Q_DECLARE_METATYPE(Util::Vector3D)
