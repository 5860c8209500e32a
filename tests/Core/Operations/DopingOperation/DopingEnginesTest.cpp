#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/DopingOperation/SimpleDoping.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/Volumes.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;
using TestSupport::makeVolume;
using TestSupport::pittedWafer;

namespace {

using namespace TestSupport::Materials;

using DopingEngines = PersistenceTest::CatalogueTest;

// How many cells of each z layer hold `material`.
std::vector<int> layerCounts(TotalVolume &volume, uint32_t material)
{
    std::vector<int> counts(volume.getSizeZ(), 0);
    const auto ids = volume.materialIds();
    for (size_t i = 0; i < ids.size(); ++i)
        counts[i % volume.getSizeZ()] += ids[i] == material ? 1 : 0;
    return counts;
}

} // namespace

TEST_F(DopingEngines, SimpleDopingReachesTheDepthThroughDopableCellsOnly)
{
    // Flat silicon: the layers whose distance to the empty space is at most L (3.5 → 3 layers).
    auto flat = TestSupport::makeSlab(6, 6, 10, 7);
    SimpleDoping(*flat, kNDoped, 3.5f).execute();
    EXPECT_EQ(layerCounts(*flat, kNDoped), (std::vector<int>{0, 0, 0, 0, 36, 36, 36, 0, 0, 0}));

    // The oxide cap shields the silicon below it; beside it the dopant goes down and sideways.
    auto wafer = pittedWafer();
    SimpleDoping(*wafer, kNDoped, 2.0f).execute();
    for (uint32_t x = 0; x < 24; ++x)
        for (uint32_t y = 0; y < 10; ++y) {
            const uint32_t top = TestSupport::materialAt(*wafer, x, y, 7);
            const bool underCap = x < 6 && y < 5, inPit = x >= 9 && x < 15 && y >= 3 && y < 7;
            // Under the cap only the cells one step from its edge are reached.
            if (!inPit) {
                EXPECT_EQ(top, !underCap || x == 5 || y == 4 ? kNDoped : kSi) << x << "," << y;
            }
        }
    EXPECT_EQ(TestSupport::materialAt(*wafer, 2, 2, 8), kOxide) << "other materials are never doped";
    EXPECT_EQ(TestSupport::materialAt(*wafer, 7, 5, 5), kNDoped) << "two cells from the pit's wall";
    EXPECT_EQ(TestSupport::materialAt(*wafer, 6, 5, 5), kSi) << "three cells from the wall and the top";
}

TEST_F(DopingEngines, SimpleDopingShallowerThanACellReachesAcrossThinCellsOnly)
{
    // Cells 1 × 1 × 0.4: a depth of 0.5 reaches the top layer through its 0.4 step only.
    auto volume = makeVolume(
        4, 4, 6, [](uint32_t x, uint32_t, uint32_t z) { return z < 4 && x > 0 ? kSi : 0u; }, 1.0f, 1.0f,
        0.4f);
    SimpleDoping engine(*volume, kNDoped, 0.5f);
    EXPECT_EQ(engine.iterationCount(), 3u); // ceilf(0.5 / 0.4) = 2 layers, trunc(2K)
    engine.execute();
    EXPECT_EQ(layerCounts(*volume, kNDoped), (std::vector<int>{0, 0, 0, 12, 0, 0}))
        << "the top layer only: the side wall at x = 1 is a full cell away";
    EXPECT_EQ(SimpleDoping(*volume, kNDoped, 0.0f).iterationCount(), 0u);
}

TEST_F(DopingEngines, ImplantationPlacesTheBandBelowEachColumnsTopSolidCell)
{
    // A staircase: column x has its top solid cell at z = 3 + x; an oxide cap on x = 0.
    const auto staircase = [] {
        return makeVolume(4, 3, 10, [](uint32_t x, uint32_t, uint32_t z) {
            if (z > 3 + x)
                return 0u;
            return x == 0 && z == 3 ? kOxide : kSi;
        });
    };
    const auto topOfColumn = [](uint32_t x) { return x == 0 ? 2u : 3u + x; }; // of the silicon

    auto nothing = staircase();
    IonImplantation(*nothing, kNDoped, {0.0f, 0.0f, 0.0f}).execute();
    EXPECT_EQ(nothing->materialIds(), staircase()->materialIds()) << "Di = 0, S = 0: d = 1 misses by a cell";

    auto top = staircase();
    IonImplantation(*top, kNDoped, {1.0f, 0.0f, 0.0f}).execute();
    for (uint32_t x = 1; x < 4; ++x)
        for (uint32_t z = 0; z < 10; ++z)
            EXPECT_EQ(TestSupport::materialAt(*top, x, 1, z) == kNDoped, z == topOfColumn(x))
                << x << "," << z;
    EXPECT_EQ(TestSupport::materialAt(*top, 0, 1, 3), kOxide)
        << "a non-dopable top cell is counted, not doped";
    EXPECT_EQ(TestSupport::materialAt(*top, 0, 1, 2), kSi);

    // Di = 2: the cell under the oxide cap is the second of its column.
    auto second = staircase();
    IonImplantation(*second, kNDoped, {2.0f, 0.0f, 0.0f}).execute();
    EXPECT_EQ(TestSupport::materialAt(*second, 0, 1, 2), kNDoped);
    EXPECT_EQ(TestSupport::materialAt(*second, 3, 1, 5), kNDoped);
    EXPECT_EQ(TestSupport::materialAt(*second, 3, 1, 6), kSi);
}

TEST_F(DopingEngines, ImplantationAnnealsTheBandByTheAnnealingDistance)
{
    // Flat silicon, top at z = 19: a band 5 ± (0.5 + 1) deep covers depths 4 to 6 (z 16 to 14).
    const auto band = [](float annealing) {
        auto volume = TestSupport::makeSlab(5, 5, 24, 20);
        IonImplantation engine(*volume, kNDoped, {5.0f, 1.0f, annealing});
        engine.execute();
        std::vector<int> doped;
        for (uint32_t z = 0; z < 24; ++z)
            doped.push_back(TestSupport::materialAt(*volume, 2, 2, z) == kNDoped ? 1 : 0);
        return doped;
    };
    std::vector<int> expected(24, 0);
    for (uint32_t z = 14; z <= 16; ++z)
        expected[z] = 1;
    EXPECT_EQ(band(0.0f), expected) << "no annealing step runs";
    for (uint32_t z : {11u, 12u, 13u, 17u, 18u, 19u})
        expected[z] = 1;
    EXPECT_EQ(band(3.0f), expected);
    IonImplantation engine(*TestSupport::makeSlab(1, 1, 1, 1), kNDoped, {5.0f, 1.0f, 3.0f});
    EXPECT_EQ(engine.iterationCount(), 5u); // trunc(3 · K)
}
