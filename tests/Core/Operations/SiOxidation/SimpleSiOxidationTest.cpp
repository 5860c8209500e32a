#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"

#include <gtest/gtest.h>

using Core::Operations::SimpleSiOxidation;
using Model::Automaton::TotalVolume;
using TestSupport::makeVolume;

namespace {

using namespace TestSupport::Materials;

using SimpleSiOxidationTest = PersistenceTest::CatalogueTest;

// Silicon with a ridge and an aluminium bar across it: flat faces, edges, and a material the
// oxide must not enter.
std::shared_ptr<TotalVolume> ridgeWithMetal()
{
    return makeVolume(20, 8, 16, [](uint32_t x, uint32_t, uint32_t z) {
        if (x >= 10 && x < 18 && z >= 6 && z < 9)
            return kMetal;
        return z < 6 || (x >= 4 && x < 8 && z < 9) ? kSi : 0u;
    });
}

} // namespace

TEST_F(SimpleSiOxidationTest, DealGroveStartsFromTheNativeOxideAndGrowsWithTimeHeatAndPressure)
{
    EXPECT_NEAR(SimpleSiOxidation::dealGroveThickness(0.0, 900.0, 0.2), 0.025, 1e-12);
    const double twoHours = SimpleSiOxidation::dealGroveThickness(2.0, 1273.0, 1.0);
    EXPECT_GT(twoHours, 0.025);
    EXPECT_GT(SimpleSiOxidation::dealGroveThickness(8.0, 1273.0, 1.0), twoHours);
    EXPECT_GT(SimpleSiOxidation::dealGroveThickness(2.0, 1373.0, 1.0), twoHours);
    EXPECT_LT(SimpleSiOxidation::dealGroveThickness(2.0, 1273.0, 0.5), twoHours);
    // Long oxidations approach the parabolic law: quadrupling the time doubles the thickness.
    const double long1 = SimpleSiOxidation::dealGroveThickness(1e5, 1273.0, 1.0);
    EXPECT_NEAR(SimpleSiOxidation::dealGroveThickness(4e5, 1273.0, 1.0) / long1, 2.0, 0.01);
}

TEST_F(SimpleSiOxidationTest, TheDefaultsGrow560UnitsOutwardAndConsume440)
{
    // 10 µm at 100 units per micron on a flat silicon top (z = 499). Distances are measured from
    // half a cell below the former surface, so 559 empty cells (up to 559.5) and 440 silicon
    // cells (the top one down to 439.5) become oxide.
    auto volume = TestSupport::makeSlab(3, 3, 1070, 500);
    SimpleSiOxidation engine(*volume, 100.0);
    engine.execute(10.0);
    EXPECT_EQ(engine.getGrownThickness(), 560.0f);
    EXPECT_EQ(engine.getConsumedThickness(), 440.0f);
    const auto ids = volume->materialIds();
    for (uint32_t z = 0; z < 1070; ++z) {
        const uint32_t expected = z < 60 ? kSi : (z < 1059 ? kOxide : 0u);
        for (size_t column = 0; column < 9; ++column) {
            ASSERT_EQ(ids[column * 1070 + z], expected) << "z " << z;
        }
    }
}

TEST_F(SimpleSiOxidationTest, OxideGrowsAboveAndBelowTheSurfaceButNeverIntoOtherMaterials)
{
    auto volume = ridgeWithMetal();
    const auto before = volume->materialIds();
    SimpleSiOxidation(*volume, 1.0).execute(0.0);
    EXPECT_EQ(volume->materialIds(), before) << "a thickness of zero oxidises nothing";
    SimpleSiOxidation(*volume, 1.0).execute(5.0); // 2.8 units out, 2.2 in
    const auto after = volume->materialIds();
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i] != kSi && before[i] != 0) {
            ASSERT_EQ(after[i], before[i]) << "cell " << i;
        }
    }
    // Away from the ridge and the metal: two oxide layers above the former top (z = 6, 7) and
    // two below it (z = 5, 4; the second at 1.5 from the source's centre).
    for (uint32_t z = 3; z < 9; ++z)
        EXPECT_EQ(TestSupport::materialAt(*volume, 1, 4, z), z >= 4 && z < 8 ? kOxide : (z < 4 ? kSi : 0u))
            << z;
    // Under the aluminium the silicon touches no empty cell and keeps clear of the oxide.
    EXPECT_EQ(TestSupport::materialAt(*volume, 14, 4, 5), kSi);
}
