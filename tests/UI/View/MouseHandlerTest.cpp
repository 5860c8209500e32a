#include "UI/View/MouseHandler.h"

#include <gtest/gtest.h>

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
    MouseHandler mouse;
};

void expectPoint(const MouseHandler::Point &p, float x, float y, float z)
{
    EXPECT_FLOAT_EQ(p.x, x);
    EXPECT_FLOAT_EQ(p.y, y);
    EXPECT_FLOAT_EQ(p.z, z);
}

TEST_F(MouseHandlerTest, PressPositionsAreCentredWithYUpAndLiftedOntoTheirSurface)
{
    mouse.setFirtPosition(100, 50, MouseHandler::Lamp);
    EXPECT_FLOAT_EQ(mouse.lampSphereRadius(), 50.0f);
    expectPoint(mouse.currentPoint(), 0.0f, 0.0f, 50.0f);

    mouse.setFirtPosition(130, 10, MouseHandler::Lamp); // (30, 40): on the sphere's rim
    expectPoint(mouse.currentPoint(), 30.0f, 40.0f, 0.0f);

    mouse.setFirtPosition(100, 50, MouseHandler::EllipsoidRotation);
    EXPECT_FLOAT_EQ(mouse.currentPoint().z, 150.0f);
    mouse.setFirtPosition(100, 50, MouseHandler::SphereRotation);
    EXPECT_FLOAT_EQ(mouse.currentPoint().z, 0.0f);
    mouse.setFirtPosition(0, 0, MouseHandler::EllipsoidRotation); // outside the ellipsoid
    EXPECT_FLOAT_EQ(mouse.currentPoint().z, 0.0f);
}

TEST_F(MouseHandlerTest, EllipsoidDepthUsesTheFactorFourOnPressOnly)
{
    // x = w/4 from the centre: 1 − 4·(1/16) = 3/4 on press, 1 − 1/16 = 15/16 on a move.
    mouse.setFirtPosition(150, 50, MouseHandler::EllipsoidRotation);
    EXPECT_NEAR(mouse.currentPoint().z, 150.0 * std::sqrt(0.75), 1e-3);
    mouse.moveTo(150, 50);
    EXPECT_NEAR(mouse.currentPoint().z, 150.0 * std::sqrt(15.0 / 16.0), 1e-3);
    EXPECT_NEAR(mouse.previousPoint().z, 150.0 * std::sqrt(0.75), 1e-3);
}

TEST_F(MouseHandlerTest, SphereDepthOnMoveIsMeasuredAgainstTheStartPoint)
{
    mouse.setFirtPosition(150, 50, MouseHandler::SphereRotation); // start (50, 0)
    mouse.moveTo(130, 10);                                        // (30, 40): on that circle
    EXPECT_FLOAT_EQ(mouse.currentPoint().z, 0.0f);
    mouse.moveTo(100, 50);
    EXPECT_FLOAT_EQ(mouse.currentPoint().z, 50.0f);
}

TEST_F(MouseHandlerTest, TranslationIsTheLastStepDividedByTheZoom)
{
    mouse.setDivisor(2.0f);
    mouse.setFirtPosition(100, 50, MouseHandler::Translation);
    mouse.moveTo(110, 40);
    auto step = mouse.parameters(MouseHandler::Translation);
    ASSERT_TRUE(step);
    EXPECT_FLOAT_EQ((*step)[0], 5.0f);
    EXPECT_FLOAT_EQ((*step)[1], 5.0f); // 10 pixels up
    mouse.moveTo(110, 40);
    step = mouse.parameters(MouseHandler::Translation);
    EXPECT_FLOAT_EQ((*step)[0], 0.0f); // steps, not the distance from the press
    EXPECT_FLOAT_EQ((*step)[1], 0.0f);
    mouse.moveTo(90, 60);
    step = mouse.parameters(MouseHandler::Translation);
    EXPECT_FLOAT_EQ((*step)[0], -10.0f);
    EXPECT_FLOAT_EQ((*step)[1], -10.0f);
}

TEST_F(MouseHandlerTest, ParametersOfAnotherDragTypeAreRefused)
{
    mouse.setFirtPosition(100, 50, MouseHandler::Translation);
    mouse.moveTo(120, 50);
    EXPECT_FALSE(mouse.parameters(MouseHandler::EllipsoidRotation));
    EXPECT_FALSE(mouse.parameters(MouseHandler::Lamp));
    EXPECT_TRUE(mouse.parameters(MouseHandler::Translation));
}

TEST_F(MouseHandlerTest, LampAnglesAreAzimuthAndElevationOfThePointOnTheSphere)
{
    mouse.setFirtPosition(100, 50, MouseHandler::Lamp);
    auto angles = mouse.parameters(MouseHandler::Lamp);
    ASSERT_TRUE(angles);
    EXPECT_FLOAT_EQ((*angles)[0], 0.0f);
    EXPECT_FLOAT_EQ((*angles)[1], float(M_PI / 2.0));

    mouse.moveTo(130, 10);
    angles = mouse.parameters(MouseHandler::Lamp);
    EXPECT_FLOAT_EQ((*angles)[0], float(std::atan2(40.0, 30.0)));
    EXPECT_FLOAT_EQ((*angles)[1], 0.0f);

    mouse.moveTo(100 - 25, 50); // (−25, 0): elevation 60°, azimuth 180°
    angles = mouse.parameters(MouseHandler::Lamp);
    EXPECT_NEAR((*angles)[0], M_PI, 1e-6);
    EXPECT_NEAR((*angles)[1], M_PI / 3.0, 1e-6);
}

TEST_F(MouseHandlerTest, RotationTurnsAboutTheNormalOfCurrentAndPreviousPoints)
{
    mouse.setFirtPosition(100, 50, MouseHandler::EllipsoidRotation); // p = (0, 0, 150)
    mouse.moveTo(120, 50);                                           // c = (20, 0, z)
    const double z = 150.0 * std::sqrt(1.0 - 400.0 / 40000.0);
    const auto turn = mouse.parameters(MouseHandler::EllipsoidRotation);
    ASSERT_TRUE(turn);
    EXPECT_NEAR((*turn)[0], 0.0, 1e-6);
    EXPECT_NEAR((*turn)[1], 1.0, 1e-6) << "dragging right turns the near side to the right";
    EXPECT_NEAR((*turn)[2], 0.0, 1e-6);
    EXPECT_NEAR((*turn)[3], std::asin(20.0 / std::sqrt(400.0 + z * z)) * 180.0 / M_PI, 1e-4);

    mouse.setFirtPosition(100, 50, MouseHandler::EllipsoidRotation);
    mouse.moveTo(100, 30); // straight up: the near side turns up, about −x
    const auto up = mouse.parameters(MouseHandler::EllipsoidRotation);
    EXPECT_NEAR((*up)[0], -1.0, 1e-6);
    EXPECT_NEAR((*up)[1], 0.0, 1e-6);
    EXPECT_GT((*up)[3], 0.0f);
}

TEST_F(MouseHandlerTest, RotationWithoutMotionOrThroughTheOriginIsZero)
{
    mouse.setFirtPosition(120, 40, MouseHandler::EllipsoidRotation);
    auto turn = mouse.parameters(MouseHandler::EllipsoidRotation);
    ASSERT_TRUE(turn);
    EXPECT_EQ((*turn)[3], 0.0f);
    EXPECT_FALSE(std::isnan((*turn)[0]));

    // Sphere drags start at depth 0: a press at the centre is the origin itself.
    mouse.setFirtPosition(100, 50, MouseHandler::SphereRotation);
    mouse.moveTo(110, 50);
    turn = mouse.parameters(MouseHandler::SphereRotation);
    EXPECT_EQ((*turn)[3], 0.0f);
}

} // namespace
