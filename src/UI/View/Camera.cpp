#include "UI/View/Camera.h"

#include <cmath>

namespace Ui {
namespace {
constexpr double kDegreesPerRadian = 180.0 / M_PI;

// The rotation part of a column-major matrix: row `row`, columns 0..2.
Util::Vector3D matrixRow(const QMatrix4x4 &m, int row)
{
    const float *d = m.constData();
    return Util::Vector3D(d[row], d[row + 4], d[row + 8]);
}
} // namespace

Camera::Camera()
{
    rebuild();
}

QMatrix4x4 Camera::rotationMatrix(float x, float y, float z)
{
    QMatrix4x4 m;
    m.rotate(x, 1.0f, 0.0f, 0.0f);
    m.rotate(y, 0.0f, 1.0f, 0.0f);
    m.rotate(z, 0.0f, 0.0f, 1.0f);
    return m;
}

void Camera::setRotation(float x, float y, float z)
{
    QMatrix4x4 m;
    m.translate(offset[0], offset[1], offset[2]);
    m *= rotationMatrix(x, y, z);
    angleX = x;
    angleY = y;
    angleZ = z;
    updateWorldPan(m);
    rebuild();
}

void Camera::rotateAbout(const Util::Vector3D &axis, float angle)
{
    QMatrix4x4 m;
    m.rotate(angle, float(axis.x), float(axis.y), float(axis.z));
    m *= rotationMatrix(angleX, angleY, angleZ);
    const float *d = m.constData();
    angleX = float(-std::atan2(d[9], d[10]) * kDegreesPerRadian);
    angleY = float(std::atan2(d[8], std::sqrt(d[9] * d[9] + d[10] * d[10])) * kDegreesPerRadian);
    angleZ = float(-std::atan2(d[4], d[0]) * kDegreesPerRadian);
    updateWorldPan(m);
    rebuild();
}

void Camera::addPan(float dx, float dy)
{
    setPan(pan[0] + dx, pan[1] + dy);
}

void Camera::setPan(float x, float y)
{
    pan[0] = x;
    pan[1] = y;
    updateWorldPan(matrix);
    rebuild();
}

void Camera::addPosition(const Util::Vector3D &v)
{
    setPosition(position() + v);
}

void Camera::setPosition(const Util::Vector3D &v)
{
    offset[0] = float(v.x);
    offset[1] = float(v.y);
    offset[2] = float(v.z);
    rebuild();
}

void Camera::moveInScreenPlane(float dx, float dy)
{
    addPosition(matrixRow(matrix, 0) * dx + matrixRow(matrix, 1) * dy);
}

Util::Vector3D Camera::viewDirection() const
{
    const QMatrix4x4 inverse = matrix.inverted();
    const QVector3D origin = inverse.map(QVector3D(0.0f, 0.0f, 0.0f));
    const QVector3D direction = (inverse.map(QVector3D(0.0f, 0.0f, 1.0f)) - origin).normalized();
    return Util::Vector3D(direction.x(), direction.y(), direction.z());
}

Util::Vector3D Camera::pointOnGroundPlane(float eyeX, float eyeY) const
{
    const QMatrix4x4 inverse = matrix.inverted();
    const QVector3D onScreen = inverse.map(QVector3D(eyeX, eyeY, 0.0f));
    const QVector3D direction = inverse.map(QVector3D(eyeX, eyeY, 1.0f)) - onScreen;
    if (std::fabs(direction.z()) < 1e-6f)
        return Util::Vector3D(onScreen.x(), onScreen.y(), onScreen.z());
    const QVector3D point = onScreen - (onScreen.z() / direction.z()) * direction;
    return Util::Vector3D(point.x(), point.y(), 0.0);
}

Util::Vector3D Camera::worldPoint(float eyeX, float eyeY, float eyeZ) const
{
    const QVector3D point = matrix.inverted().map(QVector3D(eyeX, eyeY, eyeZ));
    return Util::Vector3D(point.x(), point.y(), point.z());
}

Util::Vector3D Camera::pointOnDragPlane(float eyeX, float eyeY, const Util::Vector3D &anchor) const
{
    // Below this share of the line of sight along z, a horizontal plane is seen too flat to
    // drag on precisely.
    constexpr double kSteepEnough = 0.25;
    const QMatrix4x4 inverse = matrix.inverted();
    const QVector3D onScreen = inverse.map(QVector3D(eyeX, eyeY, 0.0f));
    const QVector3D direction = (inverse.map(QVector3D(eyeX, eyeY, 1.0f)) - onScreen).normalized();
    const QVector3D from(float(anchor.x), float(anchor.y), float(anchor.z));
    QVector3D normal(0.0f, 0.0f, 1.0f);
    if (std::fabs(direction.z()) < kSteepEnough)
        normal = direction;
    const float along =
        QVector3D::dotProduct(from - onScreen, normal) / QVector3D::dotProduct(direction, normal);
    const QVector3D point = onScreen + along * direction;
    // On the horizontal plane the height is the anchor's exactly, not up to float rounding.
    return Util::Vector3D(point.x(), point.y(), normal.z() == 1.0f ? anchor.z : double(point.z()));
}

void Camera::updateWorldPan(const QMatrix4x4 &rotation)
{
    const Util::Vector3D world = matrixRow(rotation, 0) * pan[0] + matrixRow(rotation, 1) * pan[1];
    panWorld[0] = float(world.x);
    panWorld[1] = float(world.y);
    panWorld[2] = float(world.z);
}

void Camera::rebuild()
{
    QMatrix4x4 m = rotationMatrix(angleX, angleY, angleZ);
    m.translate(offset[0], offset[1], offset[2]);
    m.translate(panWorld[0], panWorld[1], panWorld[2]);
    matrix = m;
}

} // namespace Ui
