#include "UI/View/LampSet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

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

void expectPosition(const LampSet &lamps, uint32_t lamp, float x, float y, float z)
{
    EXPECT_NEAR(lamps.positionX(lamp), x, 1e-4f);
    EXPECT_NEAR(lamps.positionY(lamp), y, 1e-4f);
    EXPECT_NEAR(lamps.positionZ(lamp), z, 1e-4f);
    EXPECT_EQ(lamps.position(lamp)[3], 1.0f);
}

// Which of the eight lights shine, as a bit set.
unsigned lightsOn(const LampSet &lamps)
{
    unsigned on = 0;
    for (uint32_t light = 0; light < 8; ++light)
        on |= unsigned(lamps.isLightOn(light)) << light;
    return on;
}

TEST(LampSet, PlacementFollowsSphericalCoordinates)
{
    LampSet lamps(250.0f, 90.0f * kDegree, 0.0f);
    // Straight above, a lamp lies on the eye axis whatever its azimuth.
    for (float azimuth : {0.0f, 30.0f, 135.0f, -170.0f}) {
        ASSERT_TRUE(lamps.setAngles(1, azimuth * kDegree, 90.0f * kDegree));
        expectPosition(lamps, 1, 0.0f, 0.0f, 250.0f);
    }
    LampSet side(10.0f, 0.0f, 90.0f * kDegree);
    expectPosition(side, 1, 0.0f, 10.0f, 0.0f);
    ASSERT_TRUE(side.setRadius(1, 20.0f));
    ASSERT_TRUE(side.setAngles(1, 180.0f * kDegree, 30.0f * kDegree));
    expectPosition(side, 1, -20.0f * std::cos(30.0f * kDegree), 0.0f, 10.0f);
    EXPECT_EQ(side.records().front(), (LampRecord{20.0f, 30.0f * kDegree, 180.0f * kDegree, true}));
}

TEST(LampSet, LampNumbersOutsideTheCountAndSwitchingWithAllEightAreRefused)
{
    LampSet lamps(5.0f, 0.1f, 0.2f);
    ASSERT_TRUE(lamps.assign(lampsAt(2)));
    for (uint32_t lamp : {0u, 3u, 9u}) {
        EXPECT_FALSE(lamps.setRadius(lamp, 1.0f) || lamps.setAngles(lamp, 1.0f, 1.0f) || lamps.enable(lamp)
                     || lamps.disable(lamp) || lamps.isEnabled(lamp) || lamps.select(lamp))
            << lamp;
        EXPECT_EQ(lamps.radius(lamp) + lamps.elevation(lamp) + lamps.positionX(lamp), 0.0f);
    }
    EXPECT_EQ(lamps.selected(), 1u);

    // With all eight lamps every light shines and single lamps cannot be switched or chosen.
    ASSERT_TRUE(lamps.assign(lampsAt(8)));
    EXPECT_FALSE(lamps.enable(1) || lamps.disable(2) || lamps.isEnabled(3) || lamps.select(4)
                 || lamps.selectNext());
    EXPECT_EQ(lamps.selected(), 1u);
    EXPECT_TRUE(lamps.setRadius(8, 42.0f)) << "placement still works";
    EXPECT_EQ(lightsOn(lamps), 0xFFu);
    EXPECT_FALSE(lamps.assign(lampsAt(9)) || lamps.assign({}));
    EXPECT_EQ(lamps.count(), 8u);
}

// One lamp and light 0 at first; disabling lamp 1 switches off light 0 only.
TEST(LampSet, RecordsRoundTripSelectionWrapsAndShrinkingKeepsItValid)
{
    LampSet lamps(5.0f, 0.0f, 0.0f);
    EXPECT_EQ(lamps.selected(), 1u);
    EXPECT_EQ(lightsOn(lamps), 1u);
    ASSERT_TRUE(lamps.assign(lampsAt(3)));
    ASSERT_TRUE(lamps.disable(1));
    EXPECT_EQ(lightsOn(lamps), 0b110u);
    ASSERT_TRUE(lamps.enable(1));
    for (uint32_t expected : {2u, 3u, 1u}) {
        EXPECT_TRUE(lamps.selectNext());
        EXPECT_EQ(lamps.selected(), expected);
    }
    std::vector<LampRecord> list = lampsAt(5);
    list[3].enabled = false;
    ASSERT_TRUE(lamps.assign(list));
    EXPECT_EQ(lamps.records(), list);
    EXPECT_FALSE(lamps.isLightOn(3));
    EXPECT_EQ(lamps.position(5), LampSet::placement(list[4].radius, list[4].elevation, list[4].azimuth));

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
    const auto changedBy = [&](const std::function<void()> &change) {
        change();
        const bool moved = lamps.revision() != seen;
        seen = lamps.revision();
        return moved;
    };
    EXPECT_TRUE(changedBy([&] { lamps.setRadius(1, 3.0f); }));
    EXPECT_TRUE(changedBy([&] { lamps.setAngles(1, 0.5f, 0.5f); }));
    EXPECT_TRUE(changedBy([&] { lamps.disable(1); }));
    EXPECT_TRUE(changedBy([&] { lamps.assign(lampsAt(2)); }));
    EXPECT_FALSE(changedBy([&] { lamps.setRadius(7, 3.0f); })) << "refused";
}

} // namespace
