#include "Core/Operations/FilmProcessLimits.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDeposition.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtching.h"
#include "Support/SiliconVolumes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;
using TestSupport::makeVolume;
using TestSupport::maskedSilicon;
using TestSupport::materialAt;

namespace {

using namespace TestSupport::Materials;

uint32_t gap(uint32_t v, uint32_t lo, uint32_t hi)
{
    return v < lo ? lo - v : (v >= hi ? v - hi + 1 : 0u);
}

} // namespace

TEST(MooreNeighborhoodDeposition, LayersCoverExactlyTheCellsWithinChebyshevDistance)
{
    std::mt19937 random(5);
    const std::vector<std::shared_ptr<TotalVolume>> shapes = {
        TestSupport::trenchVolume(14, 10, 14),
        makeVolume(12, 11, 13, [&](uint32_t, uint32_t, uint32_t) { return random() % 40 == 0 ? kSi : 0u; }),
    };
    for (const auto &shape : shapes) {
        const auto distance =
            TestSupport::distanceToNearestSolid(*shape, [](double dx, double dy, double dz) {
                return std::max({std::abs(dx), std::abs(dy), std::abs(dz)});
            });
        const auto before = shape->materialIds();
        for (uint32_t layers : {1u, 2u, 3u, FilmProcessLimits::kMaxLayers}) {
            auto volume = std::static_pointer_cast<TotalVolume>(shape->clone());
            MooreNeighborhoodDeposition(*volume, kMetal, layers).execute();
            const auto after = volume->materialIds();
            for (size_t i = 0; i < after.size(); ++i)
                ASSERT_EQ(after[i],
                          before[i] != 0 ? before[i] : (distance[i] <= double(layers) ? kMetal : 0u))
                    << layers << " layers, cell " << i;
        }
    }
}

TEST(MooreNeighborhoodEtching, UndercutsTheMaskDiagonallyAsFarAsSideways)
{
    // Silicon below z = 6 under an oxide mask (z 6..7) with a 4 × 4 opening at x, y in [6, 10).
    const auto original = maskedSilicon(16, 6, 2, 4);
    for (uint32_t layers : {1u, 3u}) {
        auto volume = maskedSilicon(16, 6, 2, 4);
        MooreNeighborhoodEtching(*volume, kSi, layers).execute();
        for (uint32_t x = 0; x < 16; ++x)
            for (uint32_t y = 0; y < 16; ++y)
                for (uint32_t z = 0; z < 10; ++z) {
                    const uint32_t before = materialAt(*original, x, y, z);
                    // Chebyshev distance to the opening's cells at z = 6, through silicon.
                    const uint32_t d = std::max({gap(x, 6, 10), gap(y, 6, 10), 6 - std::min(z, 6u)});
                    const uint32_t expected = before == kSi && d <= layers ? 0u : before;
                    ASSERT_EQ(materialAt(*volume, x, y, z), expected) << layers << ": " << x << y << z;
                }
        EXPECT_EQ(materialAt(*volume, 6 - layers, 6 - layers, 5), 0u) << "diagonal undercut";
        EXPECT_EQ(materialAt(*volume, 5 - layers, 8, 5), kSi);
    }
}
