#pragma once

#include "Util/Vector3D.h"

#include <QMatrix4x4>

namespace Ui {

// The view's camera: rotation angles, a position offset of the scene against the rotation
// centre and a pan in screen units. The model-view matrix is computed here in plain C++ (the
// same products OpenGL's matrix stack would give), so the view only loads it.
class Camera {
public:
    Camera();

    // Sets the three angles (degrees) about x, y and z.
    void setRotation(float x, float y, float z);
    // Turns the view by `angle` degrees about `axis` given in eye coordinates.
    void rotateAbout(const Util::Vector3D &axis, float angle);
    void addPan(float dx, float dy);
    void setPan(float x, float y);
    void addPosition(const Util::Vector3D &offset);
    void setPosition(const Util::Vector3D &offset);
    // Moves the scene by (dx, dy) along the screen's x and y axes.
    void moveInScreenPlane(float dx, float dy);

    float rotationX() const { return angleX; }
    float rotationY() const { return angleY; }
    float rotationZ() const { return angleZ; }
    float panX() const { return pan[0]; }
    float panY() const { return pan[1]; }
    Util::Vector3D worldPan() const { return Util::Vector3D(panWorld[0], panWorld[1], panWorld[2]); }
    Util::Vector3D position() const { return Util::Vector3D(offset[0], offset[1], offset[2]); }

    // The model-view matrix, 16 floats in column-major order.
    const float *modelView() const { return matrix.constData(); }
    const QMatrix4x4 &modelViewMatrix() const { return matrix; }
    // Unit vector from the scene towards the eye, in world coordinates: the eye-space points
    // (0, 0, 0) and (0, 0, 1) mapped back through the inverse model-view matrix.
    Util::Vector3D viewDirection() const;
    // Where the line of sight through eye-space point (eyeX, eyeY) meets the world plane
    // z = 0; when the view looks along that plane, the point of the line at eye depth 0.
    Util::Vector3D pointOnGroundPlane(float eyeX, float eyeY) const;
    // The world point at eye-space (eyeX, eyeY, eyeZ).
    Util::Vector3D worldPoint(float eyeX, float eyeY, float eyeZ) const;
    // Where objects dragged from `anchor` go under eye-space point (eyeX, eyeY): on the
    // horizontal plane through the anchor, or, when the view looks nearly along that plane, on
    // the plane through the anchor facing the eye.
    Util::Vector3D pointOnDragPlane(float eyeX, float eyeY, const Util::Vector3D &anchor) const;

private:
    void updateWorldPan(const QMatrix4x4 &rotation);
    void rebuild();
    static QMatrix4x4 rotationMatrix(float x, float y, float z);

    float pan[2] = {0.0f, 0.0f};
    float panWorld[3] = {0.0f, 0.0f, 0.0f};
    QMatrix4x4 matrix;
    float angleX = 0.0f;
    float angleY = 0.0f;
    float angleZ = 0.0f;
    float offset[3] = {0.0f, 0.0f, 0.0f};
};

} // namespace Ui
