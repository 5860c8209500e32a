#include "UI/View/MouseHandler.h"

#include <gtest/gtest.h>

#include <QPoint>

#include <cmath>

namespace {

using Ui::MouseHandler;

// A 200 × 100 viewport: centre (100, 50), lamp sphere radius 50, (w + h)/2 = 150.
struct MouseHandlerTest : ::testing::Test {
    MouseHandlerTest()
    {
        mouse.setViewport(200, 100);
        mouse.setDivisor(1.0f);
    }
    // The parameters of a drag of `type` from `from` to `to` (no move when they are equal).
    MouseHandler::Parameters drag(uint32_t type, QPoint from, QPoint to)
    {
        mouse.setFirtPosition(from.x(), from.y(), type);
        if (to != from)
            mouse.moveTo(to.x(), to.y());
        const auto parameters = mouse.parameters(type);
        EXPECT_TRUE(parameters);
        return parameters.value_or(MouseHandler::Parameters{});
    }
    MouseHandler mouse;
};

void expectNear(const MouseHandler::Parameters &actual, const MouseHandler::Parameters &expected)
{
    for (size_t i = 0; i < 4; ++i)
        EXPECT_NEAR(actual[i], expected[i], 1e-4) << "value " << i;
}

float depth(const MouseHandler &mouse)
{
    return mouse.currentPoint().z;
}

TEST_F(MouseHandlerTest, PressPositionsAreCentredWithYUpAndLiftedOntoTheirSurface)
{
    mouse.setFirtPosition(100, 50, MouseHandler::Lamp);
    EXPECT_FLOAT_EQ(mouse.lampSphereRadius(), 50.0f);
    EXPECT_FLOAT_EQ(depth(mouse), 50.0f);
    mouse.setFirtPosition(130, 10, MouseHandler::Lamp); // (30, 40): on the sphere's rim
    EXPECT_EQ(std::make_tuple(mouse.currentPoint().x, mouse.currentPoint().y, depth(mouse)),
              std::make_tuple(30.0f, 40.0f, 0.0f));
    mouse.setFirtPosition(100, 50, MouseHandler::EllipsoidRotation);
    EXPECT_FLOAT_EQ(depth(mouse), 150.0f);
    mouse.setFirtPosition(100, 50, MouseHandler::SphereRotation);
    EXPECT_FLOAT_EQ(depth(mouse), 0.0f);
    mouse.setFirtPosition(0, 0, MouseHandler::EllipsoidRotation); // outside the ellipsoid
    EXPECT_FLOAT_EQ(depth(mouse), 0.0f);

    // x = w/4 from the centre: 1 − 4·(1/16) = 3/4 on press, 1 − 1/16 = 15/16 on a move.
    mouse.setFirtPosition(150, 50, MouseHandler::EllipsoidRotation);
    EXPECT_NEAR(depth(mouse), 150.0 * std::sqrt(0.75), 1e-3);
    mouse.moveTo(150, 50);
    EXPECT_NEAR(depth(mouse), 150.0 * std::sqrt(15.0 / 16.0), 1e-3);
    EXPECT_NEAR(mouse.previousPoint().z, 150.0 * std::sqrt(0.75), 1e-3);

    // A sphere drag measures the depth of a move against its start point (50, 0).
    mouse.setFirtPosition(150, 50, MouseHandler::SphereRotation);
    mouse.moveTo(130, 10); // (30, 40): on that circle
    EXPECT_FLOAT_EQ(depth(mouse), 0.0f);
    mouse.moveTo(100, 50);
    EXPECT_FLOAT_EQ(depth(mouse), 50.0f);
}

TEST_F(MouseHandlerTest, TranslationIsTheLastStepDividedByTheZoom)
{
    mouse.setDivisor(2.0f);
    expectNear(drag(MouseHandler::Translation, {100, 50}, {110, 40}), {5.0f, 5.0f, 0, 0}); // 10 pixels up
    mouse.moveTo(110, 40);
    expectNear(*mouse.parameters(MouseHandler::Translation), {0, 0, 0, 0}); // steps, not the whole drag
    // Another drag type is refused.
    EXPECT_FALSE(mouse.parameters(MouseHandler::EllipsoidRotation));
}

TEST_F(MouseHandlerTest, LampAnglesAreAzimuthAndElevationOfThePointOnTheSphere)
{
    expectNear(drag(MouseHandler::Lamp, {100, 50}, {100, 50}), {0.0f, float(M_PI / 2.0), 0, 0});
    mouse.moveTo(130, 10);
    expectNear(*mouse.parameters(MouseHandler::Lamp), {float(std::atan2(40.0, 30.0)), 0.0f, 0, 0});
    mouse.moveTo(100 - 25, 50); // (−25, 0): elevation 60°, azimuth 180°
    expectNear(*mouse.parameters(MouseHandler::Lamp), {float(M_PI), float(M_PI / 3.0), 0, 0});
}

TEST_F(MouseHandlerTest, RotationTurnsAboutTheNormalOfCurrentAndPreviousPoints)
{
    // From p = (0, 0, 150) to c = (20, 0, z): dragging right turns the near side to the right.
    const double z = 150.0 * std::sqrt(1.0 - 400.0 / 40000.0);
    expectNear(drag(MouseHandler::EllipsoidRotation, {100, 50}, {120, 50}),
               {0, 1, 0, float(std::asin(20.0 / std::sqrt(400.0 + z * z)) * 180.0 / M_PI)});
    // Straight up: the near side turns up, about −x.
    const auto up = drag(MouseHandler::EllipsoidRotation, {100, 50}, {100, 30});
    expectNear({up[0], up[1], up[2], 0}, {-1, 0, 0, 0});
    EXPECT_GT(up[3], 0.0f);
    // Without motion, or from the origin (sphere drags start at depth 0), the angle is zero.
    const auto still = drag(MouseHandler::EllipsoidRotation, {120, 40}, {120, 40});
    EXPECT_EQ(still[3], 0.0f);
    EXPECT_FALSE(std::isnan(still[0]));
    EXPECT_EQ(drag(MouseHandler::SphereRotation, {100, 50}, {110, 50})[3], 0.0f);
}

} // namespace
