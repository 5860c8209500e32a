#include "UI/View/Camera.h"

#include <gtest/gtest.h>

#include <QMatrix4x4>

#include <array>
#include <cmath>

namespace {

using Matrix = std::array<std::array<double, 3>, 3>; // [row][column]

double radians(double degrees)
{
    return degrees * M_PI / 180.0;
}

Matrix multiply(const Matrix &a, const Matrix &b)
{
    Matrix r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            for (int k = 0; k < 3; ++k)
                r[i][j] += a[i][k] * b[k][j];
    return r;
}

// Right-handed rotation by `degrees` about the unit vector (x, y, z) (Rodrigues' formula).
Matrix rotation(double degrees, double x, double y, double z)
{
    const double n = std::sqrt(x * x + y * y + z * z);
    x /= n, y /= n, z /= n;
    const double c = std::cos(radians(degrees));
    const double s = std::sin(radians(degrees));
    const double t = 1.0 - c;
    return Matrix{{{t * x * x + c, t * x * y - s * z, t * x * z + s * y},
                   {t * x * y + s * z, t * y * y + c, t * y * z - s * x},
                   {t * x * z - s * y, t * y * z + s * x, t * z * z + c}}};
}

Matrix eulerRotation(double x, double y, double z)
{
    return multiply(multiply(rotation(x, 1, 0, 0), rotation(y, 0, 1, 0)), rotation(z, 0, 0, 1));
}

// The camera's matrix is column-major: element (row, column) is entry column·4 + row.
void expectRotationPart(const Ui::Camera &camera, const Matrix &expected)
{
    const float *m = camera.modelView();
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_NEAR(m[column * 4 + row], expected[size_t(row)][size_t(column)], 1e-5)
                << "row " << row << " column " << column;
}

QVector3D eyeOf(const Ui::Camera &camera, const Util::Vector3D &world)
{
    return camera.modelViewMatrix().map(QVector3D(float(world.x), float(world.y), float(world.z)));
}

void expectNear(const QVector3D &actual, float x, float y, float z, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x(), x, tolerance);
    EXPECT_NEAR(actual.y(), y, tolerance);
    EXPECT_NEAR(actual.z(), z, tolerance);
}

struct Angles {
    float x, y, z;
};

const Angles kAngleSets[] = {{-60, 0, 30}, {0, 0, 0}, {-90, 0, 180}, {25, -40, 75}, {170, 10, -120}};

TEST(Camera, SetRotationBuildsTheEulerProductAboutXThenYThenZ)
{
    for (const Angles &a : kAngleSets) {
        Ui::Camera camera;
        camera.setRotation(a.x, a.y, a.z);
        EXPECT_FLOAT_EQ(camera.rotationX(), a.x);
        EXPECT_FLOAT_EQ(camera.rotationY(), a.y);
        EXPECT_FLOAT_EQ(camera.rotationZ(), a.z);
        expectRotationPart(camera, eulerRotation(a.x, a.y, a.z));
    }
}

TEST(Camera, RotateAboutPremultipliesInEyeSpaceAndReadsBackTheAngles)
{
    const Util::Vector3D axes[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, -2, 0.5}};
    for (const Angles &a : kAngleSets) {
        for (const Util::Vector3D &axis : axes) {
            Ui::Camera turned;
            turned.setRotation(a.x, a.y, a.z);
            turned.rotateAbout(axis, 17.0f);
            expectRotationPart(
                turned, multiply(rotation(17.0, axis.x, axis.y, axis.z), eulerRotation(a.x, a.y, a.z)));

            // The angles read back describe the same view.
            Ui::Camera set;
            set.setRotation(turned.rotationX(), turned.rotationY(), turned.rotationZ());
            for (int i = 0; i < 16; ++i)
                EXPECT_NEAR(set.modelView()[i], turned.modelView()[i], 1e-5);
        }
    }
}

// Pan shifts the scene on screen whatever the rotation; a position offset moves it in world
// axes, a screen move in screen axes. (The view direction: ViewPresetsLookFromTheSideTheyName.)
TEST(Camera, PanPositionAndScreenMovesShiftTheSceneAsNamed)
{
    Ui::Camera camera;
    camera.setPan(3.0f, 4.0f);
    for (const Angles &a : kAngleSets) {
        camera.setRotation(a.x, a.y, a.z);
        expectNear(eyeOf(camera, Util::Vector3D(0, 0, 0)), 3.0f, 4.0f, 0.0f);
    }
    camera.addPan(-1.0f, 1.0f);
    EXPECT_EQ(std::make_pair(camera.panX(), camera.panY()), std::make_pair(2.0f, 5.0f));

    camera.setRotation(-60, 0, 30);
    camera.addPosition(Util::Vector3D(5, 0, 0)); // the world point (−5, 0, 0) comes to the pan centre
    expectNear(eyeOf(camera, Util::Vector3D(-5, 0, 0)), 2.0f, 5.0f, 0.0f);
    Ui::Camera screen;
    screen.setRotation(-60, 0, 30);
    screen.moveInScreenPlane(5.0f, -2.0f);
    expectNear(eyeOf(screen, Util::Vector3D(0, 0, 0)), 5.0f, -2.0f, 0.0f);
}

// The top view's case: AClickFeedsThePointAnOperationAskedFor.
TEST(Camera, GroundPointLiesOnThePlaneUnderTheCursor)
{
    Ui::Camera tilted;
    tilted.setRotation(-60, 0, 30);
    tilted.setPan(4, -3);
    const Util::Vector3D q = tilted.pointOnGroundPlane(12.0f, 7.0f);
    EXPECT_EQ(q.z, 0.0);
    expectNear(eyeOf(tilted, q), 12.0f, 7.0f, eyeOf(tilted, q).z(), 1e-3f);
}

} // namespace
