#include "UI/View/SelectionPicker.h"
#include "UI/View/ViewGrid.h"
#include "UI/View/WheelStep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(WheelStep, LampDistanceScalesFromOneUpAndJumpsBelowOne)
{
    EXPECT_FLOAT_EQ(Ui::WheelStep::lampRadius(10.0f, 120), 11.0f);
    EXPECT_FLOAT_EQ(Ui::WheelStep::lampRadius(1.0f, -120), float(1.0 / 1.1));
    EXPECT_FLOAT_EQ(Ui::WheelStep::lampRadius(0.5f, 120), 2.0f);
    EXPECT_FLOAT_EQ(Ui::WheelStep::lampRadius(0.5f, -120), 0.0f);
    EXPECT_FLOAT_EQ(Ui::WheelStep::lampRadius(0.0f, 120), 2.0f);
    EXPECT_FLOAT_EQ(Ui::WheelStep::lampRadius(-3.0f, 120), -3.0f);
}

// The spacing must be positive, snapping rounds to nodes, and fine spacings are thinned to a
// bounded number of drawn lines.
TEST(ViewGrid, SpacingSnappingAndThinningOfFineGrids)
{
    Ui::ViewGrid grid;
    EXPECT_EQ(grid.getSpacing(), 10.0);
    for (double bad :
         {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
        EXPECT_FALSE(grid.setSpacing(bad));
    EXPECT_EQ(grid.getSpacing(), 10.0);
    const Util::Vector3D snapped = grid.snap(Util::Vector3D(14.9, -15.1, 3.3));
    EXPECT_EQ(snapped, Util::Vector3D(10.0, -20.0, 3.3));
    ASSERT_TRUE(grid.setSpacing(2.5));
    EXPECT_EQ(grid.snap(Util::Vector3D(3.6, 1.2, 0)), Util::Vector3D(2.5, 0.0, 0.0));

    ASSERT_TRUE(grid.setSpacing(0.001));
    const double step = grid.drawStep();
    EXPECT_LE((grid.maxX() - grid.minX()) / step, double(Ui::ViewGrid::kMaxLinesPerDirection));
    const double multiple = step / 0.001;
    EXPECT_NEAR(multiple, std::round(multiple), 1e-6);
}

TEST(SelectionPicker, TheNearestHitRecordIsReadWithinTheBuffer)
{
    // Three hit records in drawing order: (2 names: 7, 9) at depth 100, (1 name: 4) at depth
    // 50, (1 name: 8) at depth 70.
    const uint32_t buffer[] = {2, 100, 200, 7, 9, 1, 50, 60, 4, 1, 70, 90, 8};
    EXPECT_EQ(Ui::SelectionPicker::nearestHitNames(buffer, 13, 3), (std::vector<uint32_t>{4}));
    EXPECT_EQ(Ui::SelectionPicker::nearestHitNames(buffer, 13, 1), (std::vector<uint32_t>{7, 9}));
    EXPECT_TRUE(Ui::SelectionPicker::nearestHitNames(buffer, 13, 0).empty());
    EXPECT_TRUE(Ui::SelectionPicker::nearestHitNames(buffer, 13, -1).empty()); // overflow
    EXPECT_TRUE(Ui::SelectionPicker::nearestHitNames(buffer, 11, 3).empty());  // cut short
    const uint32_t broken[] = {50, 1, 2, 3};
    EXPECT_TRUE(Ui::SelectionPicker::nearestHitNames(broken, 4, 1).empty());
}

} // namespace
