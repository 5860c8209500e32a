#include "UI/View/MouseHandler.h"

#include <algorithm>
#include <cmath>

namespace Ui {
namespace {
constexpr double kDegreesPerRadian = 180.0 / M_PI;

struct Vec {
    double x, y, z;
};

Vec operator-(const MouseHandler::Point &a, const MouseHandler::Point &b)
{
    return {double(a.x) - b.x, double(a.y) - b.y, double(a.z) - b.z};
}

Vec toVec(const MouseHandler::Point &p)
{
    return {p.x, p.y, p.z};
}

Vec cross(const Vec &a, const Vec &b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

double length(const Vec &v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

// Square root of a value when it is positive, else 0 (outside the sphere or ellipsoid).
float positiveRoot(double value)
{
    return value > 0.0 ? float(std::sqrt(value)) : 0.0f;
}
} // namespace

MouseHandler::MouseHandler() = default;

void MouseHandler::setViewport(int w, int h)
{
    width = float(w);
    height = float(h);
    radius = std::min(width / 2.0f, height / 2.0f);
}

void MouseHandler::setDivisor(float zoom)
{
    divisor = zoom;
}

void MouseHandler::switchSlots()
{
    alternate = !alternate;
    current = &points[alternate ? 1 : 0];
    previous = &points[alternate ? 0 : 1];
}

MouseHandler::Point MouseHandler::centred(int x, int y) const
{
    Point p;
    p.x = float(x) - width / 2.0f;
    p.y = height / 2.0f - float(y);
    return p;
}

void MouseHandler::setFirtPosition(int x, int y, uint32_t dragType)
{
    type = dragType;
    Point p = centred(x, y);
    startX = p.x;
    startY = p.y;
    p.z = depthOnStart(p);
    *current = p;
    *previous = p;
}

void MouseHandler::moveTo(int x, int y)
{
    switchSlots();
    Point p = centred(x, y);
    p.z = type == Translation ? current->z : depthOnMove(p);
    *current = p;
}

float MouseHandler::depthOnStart(const Point &p) const
{
    const double x2 = double(p.x) * p.x;
    const double y2 = double(p.y) * p.y;
    switch (type) {
    case Lamp: return positiveRoot(double(radius) * radius - x2 - y2);
    case EllipsoidRotation: {
        if (width <= 0.0f || height <= 0.0f)
            return 0.0f;
        const double span = double(width) + height;
        return positiveRoot((1.0 - 4.0 * x2 / (double(width) * width) - 4.0 * y2 / (double(height) * height))
                            * span * span / 4.0);
    }
    default: return 0.0f;
    }
}

float MouseHandler::depthOnMove(const Point &p) const
{
    const double x2 = double(p.x) * p.x;
    const double y2 = double(p.y) * p.y;
    switch (type) {
    case SphereRotation: return positiveRoot(double(startX) * startX + double(startY) * startY - x2 - y2);
    case Lamp: return positiveRoot(double(radius) * radius - x2 - y2);
    case EllipsoidRotation: {
        if (width <= 0.0f || height <= 0.0f)
            return 0.0f;
        const double span = double(width) + height;
        return positiveRoot((1.0 - x2 / (double(width) * width) - y2 / (double(height) * height)) * span
                            * span / 4.0);
    }
    default: return 0.0f;
    }
}

std::optional<MouseHandler::Parameters> MouseHandler::parameters(uint32_t requested) const
{
    if (requested != type)
        return std::nullopt;
    const Point &c = *current;
    const Point &p = *previous;
    switch (type) {
    case SphereRotation:
    case EllipsoidRotation: return rotationParameters();
    case Translation: {
        if (divisor == 0.0f)
            return Parameters{0.0f, 0.0f, 0.0f, 0.0f};
        return Parameters{(c.x - p.x) / divisor, (c.y - p.y) / divisor, 0.0f, 0.0f};
    }
    case Lamp: {
        const double planar = std::sqrt(double(c.x) * c.x + double(c.y) * c.y);
        return Parameters{float(std::atan2(c.y, c.x)), float(std::atan2(double(c.z), planar)), 0.0f, 0.0f};
    }
    default: return std::nullopt;
    }
}

// Axis ((c − p) × (q − p)) for c current, p previous and q the origin, normalised, so the
// scene turns with the mouse as if grabbed; the angle between c and p. Degenerate positions
// (a point at the origin, no motion) give a zero angle about the z axis.
MouseHandler::Parameters MouseHandler::rotationParameters() const
{
    const Point &c = *current;
    const Point &p = *previous;
    const Vec axis = cross(c - p, origin - p);
    const double axisLength = length(axis);
    const double lengths = length(toVec(c)) * length(toVec(p));
    if (axisLength == 0.0 || lengths == 0.0)
        return Parameters{0.0f, 0.0f, 1.0f, 0.0f};
    const double sine = std::clamp(length(cross(toVec(c), toVec(p))) / lengths, -1.0, 1.0);
    return Parameters{float(axis.x / axisLength), float(axis.y / axisLength), float(axis.z / axisLength),
                      float(std::asin(sine) * kDegreesPerRadian)};
}

} // namespace Ui
