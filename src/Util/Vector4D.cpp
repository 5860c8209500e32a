#include "Util/Vector4D.h"

namespace Util {

double &Vector4D::operator[](int index)
{
    switch (index) {
    case 0: return x;
    case 1: return y;
    case 2: return z;
    default: return w;
    }
}

double Vector4D::operator[](int index) const
{
    return const_cast<Vector4D &>(*this)[index];
}

Vector4D Vector4D::operator*(double factor) const
{
    return Vector4D(x * factor, y * factor, z * factor, w * factor);
}

Vector4D Vector4D::operator-(const Vector4D &other) const
{
    return Vector4D(x - other.x, y - other.y, z - other.z, w - other.w);
}

Vector4D Vector4D::operator+(const Vector4D &other) const
{
    return Vector4D(x + other.x, y + other.y, z + other.z, w + other.w);
}

Vector4D &Vector4D::operator+=(const Vector4D &other)
{
    x += other.x;
    y += other.y;
    z += other.z;
    w += other.w;
    return *this;
}

bool Vector4D::operator==(const Vector4D &other) const
{
    return x == other.x && y == other.y && z == other.z && w == other.w;
}

} // namespace Util
