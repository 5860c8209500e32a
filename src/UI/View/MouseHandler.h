#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace Ui {

// Turns mouse positions in widget pixels into the parameters of a drag: a rotation axis and
// angle on a virtual sphere or ellipsoid, a translation, or the two angles of a lamp.
class MouseHandler {
public:
    enum DragType : uint32_t { Lamp = 0, Translation = 1, SphereRotation = 2, EllipsoidRotation = 3 };

    // Meaning of the four values by drag type:
    //   Lamp: azimuth, elevation (radians), 0, 0;
    //   Translation: dx, dy (divided by the divisor), 0, 0;
    //   SphereRotation, EllipsoidRotation: axis x, y, z (unit length) and angle (degrees).
    using Parameters = std::array<float, 4>;

    struct Point {
        float x = 0.0f;
        float y = 0.0f;
        float z = 0.0f;
    };

    MouseHandler();
    // The two points are reached through pointers into this object: no copies.
    MouseHandler(const MouseHandler &) = delete;
    MouseHandler &operator=(const MouseHandler &) = delete;

    void setViewport(int width, int height);
    void setDivisor(float zoom);
    // Starts a drag of the given type at widget pixel (x, y).
    void setFirtPosition(int x, int y, uint32_t type);
    // The mouse moved to widget pixel (x, y): the current point becomes the previous one.
    void moveTo(int x, int y);
    // Parameters of the last move; empty when `type` is not the drag in progress.
    std::optional<Parameters> parameters(uint32_t type) const;

    const Point &currentPoint() const { return *current; }
    const Point &previousPoint() const { return *previous; }
    uint32_t dragType() const { return type; }
    float lampSphereRadius() const { return radius; }

private:
    void switchSlots();
    Point centred(int x, int y) const;
    float depthOnStart(const Point &p) const;
    float depthOnMove(const Point &p) const;
    Parameters rotationParameters() const;

    Point points[2];
    Point *current = &points[0];
    Point *previous = &points[1];
    bool alternate = false;
    float startX = 0.0f;
    float startY = 0.0f;
    Point origin;
    float width = 0.0f;
    float height = 0.0f;
    float radius = 0.0f;
    float divisor = 1.0f;
    uint32_t type = EllipsoidRotation;
};

} // namespace Ui
