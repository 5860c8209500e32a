#include "UI/View/LampSet.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Ui::LampRecord;
using Ui::LampSet;

constexpr float kDegree = float(M_PI / 180.0);

std::vector<LampRecord> lampsAt(size_t count)
{
    std::vector<LampRecord> list;
    for (size_t i = 0; i < count; ++i)
        list.push_back(
            LampRecord{100.0f + float(i), 10.0f * kDegree * float(i), 20.0f * kDegree * float(i), true});
    return list;
}

void expectPosition(const LampSet &lamps, uint32_t lamp, float x, float y, float z, float tolerance = 1e-4f)
{
    EXPECT_NEAR(lamps.positionX(lamp), x, tolerance);
    EXPECT_NEAR(lamps.positionY(lamp), y, tolerance);
    EXPECT_NEAR(lamps.positionZ(lamp), z, tolerance);
}

TEST(LampSet, ALampStraightAboveLiesOnTheEyeAxisWhateverItsAzimuth)
{
    LampSet lamps(250.0f, 90.0f * kDegree, 0.0f);
    for (float azimuth : {0.0f, 30.0f, 135.0f, -170.0f}) {
        ASSERT_TRUE(lamps.setAngles(1, azimuth * kDegree, 90.0f * kDegree));
        expectPosition(lamps, 1, 0.0f, 0.0f, 250.0f);
        EXPECT_EQ(lamps.position(1)[3], 1.0f);
    }
}

TEST(LampSet, PlacementFollowsSphericalCoordinates)
{
    LampSet lamps(10.0f, 0.0f, 90.0f * kDegree);
    expectPosition(lamps, 1, 0.0f, 10.0f, 0.0f, 1e-5f);
    ASSERT_TRUE(lamps.setRadius(1, 20.0f));
    ASSERT_TRUE(lamps.setAngles(1, 180.0f * kDegree, 30.0f * kDegree));
    expectPosition(lamps, 1, -20.0f * std::cos(30.0f * kDegree), 0.0f, 10.0f);
    EXPECT_FLOAT_EQ(lamps.radius(1), 20.0f);
    EXPECT_FLOAT_EQ(lamps.azimuth(1), 180.0f * kDegree);
    EXPECT_FLOAT_EQ(lamps.elevation(1), 30.0f * kDegree);
}

TEST(LampSet, StartsWithLightZeroOnlyAndDisablingLampOneSwitchesOffLightZeroOnly)
{
    LampSet lamps(1.0f, 0.0f, 0.0f);
    EXPECT_EQ(lamps.selected(), 1u);
    for (uint32_t light = 0; light < 8; ++light)
        EXPECT_EQ(lamps.isLightOn(light), light == 0) << light;
    EXPECT_EQ(lamps.position(2), (LampSet::Position{0, 0, 0, 1}));
    ASSERT_TRUE(lamps.assign(lampsAt(3)));
    ASSERT_TRUE(lamps.disable(1));
    EXPECT_FALSE(lamps.isLightOn(0));
    EXPECT_TRUE(lamps.isLightOn(1));
    EXPECT_TRUE(lamps.isLightOn(2));
    EXPECT_FALSE(lamps.isEnabled(1));
    ASSERT_TRUE(lamps.enable(1));
    EXPECT_TRUE(lamps.isLightOn(0));
}

TEST(LampSet, LampNumbersOutsideTheCountAreRefused)
{
    LampSet lamps(5.0f, 0.1f, 0.2f);
    ASSERT_TRUE(lamps.assign(lampsAt(2)));
    for (uint32_t lamp : {0u, 3u, 9u}) {
        EXPECT_FALSE(lamps.setRadius(lamp, 1.0f));
        EXPECT_FALSE(lamps.setAngles(lamp, 1.0f, 1.0f));
        EXPECT_FALSE(lamps.enable(lamp));
        EXPECT_FALSE(lamps.disable(lamp));
        EXPECT_FALSE(lamps.isEnabled(lamp));
        EXPECT_FALSE(lamps.select(lamp));
        EXPECT_EQ(lamps.radius(lamp), 0.0f);
        EXPECT_EQ(lamps.elevation(lamp), 0.0f);
        EXPECT_EQ(lamps.positionX(lamp), 0.0f);
    }
    EXPECT_EQ(lamps.selected(), 1u);
}

TEST(LampSet, WithAllEightLampsSingleLampSwitchingIsRefused)
{
    LampSet lamps(5.0f, 0.0f, 0.0f);
    ASSERT_TRUE(lamps.assign(lampsAt(8)));
    EXPECT_FALSE(lamps.enable(1));
    EXPECT_FALSE(lamps.disable(2));
    EXPECT_FALSE(lamps.isEnabled(3));
    EXPECT_FALSE(lamps.select(4));
    EXPECT_FALSE(lamps.selectNext());
    EXPECT_EQ(lamps.selected(), 1u);
    // Placement still works, and every light shines.
    EXPECT_TRUE(lamps.setRadius(8, 42.0f));
    for (uint32_t light = 0; light < 8; ++light)
        EXPECT_TRUE(lamps.isLightOn(light));
    EXPECT_FALSE(lamps.assign(lampsAt(9)));
    EXPECT_FALSE(lamps.assign({}));
    EXPECT_EQ(lamps.count(), 8u);
}

TEST(LampSet, RecordsRoundTripSelectionWrapsAndShrinkingKeepsItValid)
{
    LampSet lamps(5.0f, 0.0f, 0.0f);
    ASSERT_TRUE(lamps.assign(lampsAt(3)));
    for (uint32_t expected : {2u, 3u, 1u}) {
        EXPECT_TRUE(lamps.selectNext());
        EXPECT_EQ(lamps.selected(), expected);
    }
    std::vector<LampRecord> list = lampsAt(5);
    list[3].enabled = false;
    ASSERT_TRUE(lamps.assign(list));
    EXPECT_EQ(lamps.records(), list);
    EXPECT_FALSE(lamps.isLightOn(3));
    const auto expected = LampSet::placement(list[4].radius, list[4].elevation, list[4].azimuth);
    EXPECT_EQ(lamps.position(5), expected);

    ASSERT_TRUE(lamps.select(5));
    ASSERT_TRUE(lamps.assign(lampsAt(2)));
    EXPECT_EQ(lamps.selected(), 2u);
    EXPECT_FALSE(lamps.isLightOn(2));
    EXPECT_EQ(lamps.position(3), (LampSet::Position{0, 0, 0, 1}));
}

TEST(LampSet, EveryChangeOpenGLMustSeeMovesTheRevision)
{
    LampSet lamps(5.0f, 0.0f, 0.0f);
    uint64_t seen = lamps.revision();
    auto changed = [&] {
        const bool moved = lamps.revision() != seen;
        seen = lamps.revision();
        return moved;
    };
    lamps.setRadius(1, 3.0f);
    EXPECT_TRUE(changed());
    lamps.setAngles(1, 0.5f, 0.5f);
    EXPECT_TRUE(changed());
    lamps.disable(1);
    EXPECT_TRUE(changed());
    lamps.assign(lampsAt(2));
    EXPECT_TRUE(changed());
    lamps.setRadius(7, 3.0f); // refused
    EXPECT_FALSE(changed());
}

} // namespace
