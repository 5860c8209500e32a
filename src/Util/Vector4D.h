#pragma once

namespace Util {

// Four doubles x, y, z, w; the common value type of positions, directions and colours.
class Vector4D {
public:
    Vector4D() = default;
    explicit Vector4D(double all) : x(all), y(all), z(all), w(all) {}
    Vector4D(double x, double y, double z, double w) : x(x), y(y), z(z), w(w) {}
    virtual ~Vector4D() = default;
    Vector4D(const Vector4D &) = default;
    Vector4D &operator=(const Vector4D &) = default;

    // Component by index: 0 x, 1 y, 2 z, anything else w.
    double &operator[](int index);
    double operator[](int index) const;

    Vector4D operator*(double factor) const;
    Vector4D operator-(const Vector4D &other) const;
    Vector4D operator+(const Vector4D &other) const;
    Vector4D &operator+=(const Vector4D &other);
    bool operator==(const Vector4D &other) const;
    bool operator!=(const Vector4D &other) const { return !(*this == other); }

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double w = 0.0;
};

} // namespace Util
