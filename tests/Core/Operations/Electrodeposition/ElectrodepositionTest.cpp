#include "Core/Operations/Electrodeposition/Electrodeposition.h"
#include "Support/Volumes.h"

#include <gtest/gtest.h>

using Core::Operations::Electrodeposition;
using Model::Automaton::TotalVolume;
using TestSupport::makeVolume;
using TestSupport::materialAt;
using namespace TestSupport::Materials;

TEST(Electrodeposition, FilmReachesOverAnInsulatorUpToTheThickness)
{
    // Copper below z = 3 for x < 5, oxide beside it: the gold film spreads over the oxide to
    // the distance L from the nearest copper cell, (4, y, 2), and the oxide emits nothing.
    const float limit = 4.5f;
    auto volume = makeVolume(
        16, 4, 10, [](uint32_t x, uint32_t, uint32_t z) { return z < 3 ? (x < 5 ? kCopper : kOxide) : 0u; });
    const auto before = volume->materialIds();
    Electrodeposition(*volume, kGold, kSi, limit).execute();
    EXPECT_EQ(volume->materialIds(), before) << "without the conducting material nothing is plated";
    Electrodeposition(*volume, kGold, kCopper, limit).execute();
    for (uint32_t x = 0; x < 16; ++x)
        for (uint32_t z = 3; z < 10; ++z) {
            const float dx = x > 4 ? float(x - 4) : 0.0f, dz = float(z - 2);
            EXPECT_EQ(materialAt(*volume, x, 1, z), dx * dx + dz * dz <= limit * limit ? kGold : 0u)
                << x << " " << z;
        }
    EXPECT_EQ(materialAt(*volume, 9, 1, 3), 0u);
}

TEST(Electrodeposition, AVoidEnclosedByTheConductorIsFilled)
{
    // A copper cube with one empty cell at its centre, inside empty space.
    const auto make = [] {
        return makeVolume(7, 7, 7, [](uint32_t x, uint32_t y, uint32_t z) {
            const bool cube = x >= 1 && x < 6 && y >= 1 && y < 6 && z >= 1 && z < 6;
            return cube && !(x == 3 && y == 3 && z == 3) ? kCopper : 0u;
        });
    };
    for (float limit : {0.5f, 1.0f}) {
        auto volume = make();
        Electrodeposition(*volume, kGold, kCopper, limit).execute();
        EXPECT_EQ(materialAt(*volume, 3, 3, 3), limit >= 1.0f ? kGold : 0u) << limit;
        EXPECT_EQ(materialAt(*volume, 3, 3, 6), limit >= 1.0f ? kGold : 0u) << limit;
    }
}
