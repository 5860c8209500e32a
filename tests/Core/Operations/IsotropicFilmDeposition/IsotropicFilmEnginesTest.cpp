#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Model/Automaton/TotalVolume.h"
#include "Support/SiliconVolumes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;
using TestSupport::makeVolume;
using TestSupport::materialAt;
using TestSupport::trenchVolume;

namespace {

using namespace TestSupport::Materials;

// The step count an engine plans for `distance` on one empty cell of the given size.
template <class Engine> uint32_t steps(float distance, float csx = 1, float csy = 1, float csz = 1)
{
    auto volume = makeVolume(1, 1, 1, TestSupport::block(0, 0, 0), csx, csy, csz);
    return Engine(*volume, kSi, distance).iterationCount();
}

struct Disagreement {
    size_t missed = 0; // the exact rule deposits, the automaton does not
    size_t extra = 0;  // the automaton deposits, the exact rule does not
    size_t exact = 0;  // cells the exact rule deposits
};

// Deposits L on the volume and compares with the exact rule it approximates: "Euclidean distance
// to the nearest solid cell <= L".
Disagreement compareWithExactDeposition(TotalVolume &volume, float thickness)
{
    const auto before = volume.materialIds();
    const auto exact = TestSupport::distanceToNearestSolid(
        volume, [](double dx, double dy, double dz) { return dx * dx + dy * dy + dz * dz; });
    IsotropicFilmDeposition(volume, kMetal, thickness).execute();
    const auto after = volume.materialIds();
    Disagreement result;
    for (size_t i = 0; i < before.size(); ++i) {
        if (before[i] != 0) {
            EXPECT_EQ(after[i], before[i]);
            continue;
        }
        const bool byRule = exact[i] <= double(thickness) * double(thickness);
        const bool byAutomaton = after[i] == kMetal;
        result.exact += byRule;
        result.missed += byRule && !byAutomaton;
        result.extra += byAutomaton && !byRule;
    }
    return result;
}

} // namespace

TEST(IsotropicFilmSteps, DepositionRoundsTheLayerCountEtchingTheScaledDepth)
{
    using Deposition = IsotropicFilmDeposition;
    using Etching = IsotropicFilmEtching;
    EXPECT_EQ(steps<Deposition>(0.0f), 0u);
    EXPECT_EQ(steps<Deposition>(0.5f), 1u); // ceilf(0.5) = 1 layer -> trunc(K)
    EXPECT_EQ(steps<Deposition>(1.2f), 3u); // 2 layers -> trunc(3.41)
    EXPECT_EQ(steps<Deposition>(40.0f), 68u);
    EXPECT_EQ(steps<Deposition>(1.0f, 1.0f, 0.5f, 2.0f), 3u); // m = 0.5

    EXPECT_EQ(steps<Etching>(0.0f), 0u);
    EXPECT_EQ(steps<Etching>(1.0f), 2u);                   // ceil(K)
    EXPECT_EQ(steps<Etching>(1.2f), 3u);                   // ceil(2.05)
    EXPECT_EQ(steps<Etching>(1.0f, 1.0f, 0.5f, 2.0f), 4u); // ceil(3.41)
    EXPECT_EQ(steps<Etching>(-3.0f), 0u);
}

TEST(IsotropicFilmDeposition, NeverDepositsBeyondTheExactDistanceAndRarelyMissesIt)
{
    for (float thickness : {1.5f, 2.0f, 3.0f, 4.5f}) {
        auto volume = trenchVolume(22, 8, 16);
        const Disagreement d = compareWithExactDeposition(*volume, thickness);
        // A propagated vector is a real displacement to a solid cell, never shorter than the nearest.
        EXPECT_EQ(d.extra, 0u) << thickness;
        EXPECT_LE(double(d.missed), 0.02 * double(d.exact)) << thickness;
        EXPECT_GT(d.exact, 0u);
    }
    // Scattered single solid cells: the hardest case for propagated vectors.
    std::mt19937 random(11);
    auto scattered =
        makeVolume(24, 24, 24, [&](uint32_t, uint32_t, uint32_t) { return random() % 100 == 0 ? kSi : 0u; });
    const Disagreement s = compareWithExactDeposition(*scattered, 3.0f);
    EXPECT_EQ(s.extra, 0u);
    EXPECT_LE(double(s.missed), 0.002 * double(s.exact));
    // Non-cubic cells: the exact rule in length units.
    auto flat = makeVolume(
        12, 10, 14,
        [](uint32_t x, uint32_t y, uint32_t z) {
            return (z < 4 || (x > 4 && x < 8 && y > 3 && y < 7 && z < 7)) ? kSi : 0u;
        },
        1.0f, 0.5f, 0.75f);
    const Disagreement d = compareWithExactDeposition(*flat, 2.2f);
    EXPECT_EQ(d.extra, 0u);
    EXPECT_LE(double(d.missed), 0.02 * double(d.exact));
    // Thick films in a wide trench.
    for (float thickness : {8.0f, 20.0f}) {
        auto trench = makeVolume(48, 32, 56, [](uint32_t x, uint32_t y, uint32_t z) {
            return z < 24 && !(x >= 14 && x < 34 && y >= 6 && y < 26 && z >= 8) ? kSi : 0u;
        });
        const Disagreement t = compareWithExactDeposition(*trench, thickness);
        EXPECT_EQ(t.extra, 0u);
        EXPECT_LE(double(t.missed), 0.02 * double(t.exact)) << thickness;
    }
}

TEST(IsotropicFilmEngines, TiesKeepTheEarlierNeighbourInTableOrder)
{
    // Empty cells at (1, 1, 1) with two solid face neighbours at the same distance.
    struct Case {
        int ax, ay, az, bx, by, bz; // offsets of the two solid neighbours
        float ex, ey, ez;           // the expected distance vector
    };
    const Case cases[] = {
        {0, 0, -1, 0, 0, 1, 0, 0, -1},  // -z before +z
        {1, 0, 0, 0, 0, 1, 0, 0, 1},    // +z before +x
        {-1, 0, 0, 0, -1, 0, 0, -1, 0}, // -y before -x
        {0, 1, 0, 1, 0, 0, 0, 1, 0},    // +y before +x
    };
    for (const Case &c : cases) {
        auto volume = makeVolume(3, 3, 3, [&](uint32_t x, uint32_t y, uint32_t z) {
            const int dx = int(x) - 1, dy = int(y) - 1, dz = int(z) - 1;
            return (dx == c.ax && dy == c.ay && dz == c.az) || (dx == c.bx && dy == c.by && dz == c.bz) ? kSi
                                                                                                        : 0u;
        });
        IsotropicFilmDeposition(*volume, kMetal, 1.0f).execute();
        const auto states = TestSupport::cellStates(*volume);
        const auto &centre = states[volume->cellIndex(1, 1, 1)];
        EXPECT_EQ(centre.materialId, kMetal);
        EXPECT_EQ(centre.distanceX, c.ex);
        EXPECT_EQ(centre.distanceY, c.ey);
        EXPECT_EQ(centre.distanceZ, c.ez);
    }
}

TEST(IsotropicFilmEtching, RemovesTheMaterialWithinTheDepthOfEmptySpace)
{
    for (float depth : {0.0f, 2.5f}) {
        auto volume = TestSupport::makeSlab(8, 8, 10, 7);
        IsotropicFilmEtching(*volume, kSi, depth).execute();
        for (uint32_t z = 0; z < 7; ++z)
            EXPECT_EQ(materialAt(*volume, 3, 4, z), float(7 - z) > depth ? kSi : 0u) << depth << " " << z;
    }
}

TEST(IsotropicFilmEtching, AnotherMaterialStopsTheEtch)
{
    // Silicon under an oxide mask with one 2 × 2 opening at x, y in [5, 7); a deep etch undercuts
    // the mask through the silicon only, and never removes oxide.
    auto closed = TestSupport::maskedSilicon(12, 6, 2, 0);
    const auto before = closed->materialIds();
    IsotropicFilmEtching(*closed, kSi, 30.0f).execute();
    EXPECT_EQ(closed->materialIds(), before);

    auto open = TestSupport::maskedSilicon(12, 6, 2, 2);
    const float depth = 3.0f;
    IsotropicFilmEtching(*open, kSi, depth).execute();
    const auto after = open->materialIds();
    size_t etched = 0;
    for (uint32_t x = 0; x < 12; ++x)
        for (uint32_t y = 0; y < 12; ++y)
            for (uint32_t z = 0; z < 11; ++z) {
                const size_t i = open->cellIndex(x, y, z);
                if (z >= 6) {
                    EXPECT_EQ(after[i], z < 8 && !(x >= 5 && x < 7 && y >= 5 && y < 7) ? kOxide : 0u);
                    continue;
                }
                // Distance from the cell to the nearest empty cell of the opening (z = 6).
                const float dx = x < 5 ? 5.0f - x : (x > 6 ? x - 6.0f : 0.0f);
                const float dy = y < 5 ? 5.0f - y : (y > 6 ? y - 6.0f : 0.0f);
                const float dz = 6.0f - z;
                if (dx * dx + dy * dy + dz * dz > depth * depth) {
                    EXPECT_EQ(after[i], kSi) << x << y << z;
                }
                etched += after[i] == 0;
            }
    // The straight-down column of the opening and its undercut are gone.
    EXPECT_EQ(after[open->cellIndex(5, 5, 3)], 0u);
    EXPECT_EQ(after[open->cellIndex(4, 5, 5)], 0u);
    EXPECT_GT(etched, 4u * 3u);
}
