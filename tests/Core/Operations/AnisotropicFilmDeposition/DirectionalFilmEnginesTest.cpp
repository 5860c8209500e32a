#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDeposition.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtching.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Support/Volumes.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;
using TestSupport::cellStates;
using TestSupport::makeVolume;
using TestSupport::materialAt;
using TestSupport::trenchVolume;

namespace {

using namespace TestSupport::Materials;

// The distance in cells from (x, y, z) straight up or down to the nearest cell that is empty
// when this one is solid, or solid when this one is empty; 0 when there is none.
uint32_t verticalDistanceToTheOtherKind(TotalVolume &v, uint32_t x, uint32_t y, uint32_t z)
{
    const bool solid = materialAt(v, x, y, z) != 0;
    for (uint32_t k = 1; k < v.getSizeZ(); ++k)
        for (const int64_t zz : {int64_t(z) - k, int64_t(z) + k})
            if (zz >= 0 && zz < int64_t(v.getSizeZ()) && (materialAt(v, x, y, uint32_t(zz)) != 0) != solid)
                return k;
    return 0;
}

} // namespace

TEST(DirectionalFilmEngines, RatioOneGivesTheIsotropicCells)
{
    for (float limit : {1.0f, 2.5f, 4.0f}) {
        auto anisotropic = trenchVolume(22, 8, 16), isotropic = trenchVolume(22, 8, 16);
        AnisotropicFilmDeposition(*anisotropic, kMetal, limit, 1.0f).execute();
        IsotropicFilmDeposition(*isotropic, kMetal, limit).execute();
        EXPECT_TRUE(cellStates(*anisotropic) == cellStates(*isotropic)) << limit;
        // Etching counts its steps as deposition does; with as many steps it is isotropic etching.
        AnisotropicFilmEtching etching(*anisotropic, kSi, limit, 1.0f);
        IsotropicFilmEtching(*isotropic, kSi, limit).run(etching.iterationCount());
        etching.execute();
        EXPECT_TRUE(cellStates(*anisotropic) == cellStates(*isotropic)) << limit;
    }
    auto volume = makeVolume(1, 1, 1, TestSupport::block(0, 0, 0));
    EXPECT_EQ(AnisotropicFilmEtching(*volume, kSi, 10.0f, 0.5f).iterationCount(), 17u);
    EXPECT_EQ(AnisotropicFilmDeposition(*volume, kSi, 3.0f, 2.0f).iterationCount(), 10u); // m = 1/2
}

TEST(DirectionalFilmEngines, RatioZeroActsOnlyStraightUpAndDown)
{
    const float limit = 3.5f;
    auto before = trenchVolume(22, 8, 16), deposited = trenchVolume(22, 8, 16),
         etched = trenchVolume(22, 8, 16);
    AnisotropicFilmDeposition(*deposited, kMetal, limit, 0.0f).execute();
    AnisotropicFilmEtching(*etched, kSi, limit, 0.0f).execute();
    for (uint32_t x = 0; x < 22; ++x)
        for (uint32_t y = 0; y < 8; ++y)
            for (uint32_t z = 0; z < 16; ++z) {
                const uint32_t m = materialAt(*before, x, y, z),
                               k = verticalDistanceToTheOtherKind(*before, x, y, z);
                const bool changes = k > 0 && float(k) <= limit;
                ASSERT_EQ(materialAt(*deposited, x, y, z), m == 0 && changes ? kMetal : m) << x << y << z;
                ASSERT_EQ(materialAt(*etched, x, y, z), m != 0 && changes ? 0u : m) << x << y << z;
            }
    EXPECT_NE(deposited->materialIds(), before->materialIds());
    EXPECT_NE(etched->materialIds(), before->materialIds());
}

TEST(DirectionalFilmEngines, SideWallsGrowTheRatioTimesTheThickness)
{
    // A floor and a tall pillar: with r = 0.5 and L = 4 the wall takes 2 cells, the floor 4.
    auto volume = makeVolume(20, 6, 20, [](uint32_t x, uint32_t, uint32_t z) {
        return z < 2 || (x >= 8 && x < 12 && z < 18) ? kSi : 0u;
    });
    AnisotropicFilmDeposition(*volume, kMetal, 4.0f, 0.5f).execute();
    for (uint32_t x : {5u, 6u, 7u, 12u, 13u, 14u})
        EXPECT_EQ(materialAt(*volume, x, 3, 10), x == 5 || x == 14 ? 0u : kMetal) << x;
    for (uint32_t z = 2; z < 8; ++z)
        EXPECT_EQ(materialAt(*volume, 2, 3, z), z < 6 ? kMetal : 0u) << z;
    EXPECT_EQ(materialAt(*volume, 10, 3, 19), kMetal);
}

TEST(SimplePhysicalVaporDeposition, TopOnAFlatSubstrateIsAnisotropicDeposition)
{
    for (float ratio : {0.01f, 0.5f, 2.0f}) {
        auto vapour = TestSupport::makeSlab(7, 6, 14, 4), anisotropic = TestSupport::makeSlab(7, 6, 14, 4);
        SimplePhysicalVaporDeposition(*vapour, kMetal, 3.0f, ratio, DepositSide::Top).execute();
        AnisotropicFilmDeposition(*anisotropic, kMetal, 3.0f, ratio).execute();
        EXPECT_EQ(vapour->materialIds(), anisotropic->materialIds()) << ratio;
        EXPECT_EQ(materialAt(*vapour, 3, 3, 6), kMetal);
    }
}

TEST(SimplePhysicalVaporDeposition, EachSideCoatsTheFacesTheVapourReaches)
{
    // A free-standing membrane (z 5..6) in the middle of the volume, and one in the top two layers
    // of another: the upper face of that one has no empty cell above it inside the volume.
    const auto membrane = [](uint32_t low) {
        return makeVolume(8, 8, 12,
                          [=](uint32_t, uint32_t, uint32_t z) { return z >= low && z < low + 2 ? kSi : 0u; });
    };
    for (DepositSide side : {DepositSide::Top, DepositSide::Bottom, DepositSide::Both}) {
        auto middle = membrane(5), top = membrane(10);
        SimplePhysicalVaporDeposition(*middle, kMetal, 2.0f, 0.5f, side).execute();
        SimplePhysicalVaporDeposition(*top, kMetal, 2.0f, 0.5f, side).execute();
        const bool up = side != DepositSide::Bottom, down = side != DepositSide::Top;
        for (uint32_t z : {3u, 4u})
            EXPECT_EQ(materialAt(*middle, 4, 4, z), down ? kMetal : 0u) << int(side) << " " << z;
        for (uint32_t z : {7u, 8u})
            EXPECT_EQ(materialAt(*middle, 4, 4, z), up ? kMetal : 0u) << int(side) << " " << z;
        EXPECT_EQ(materialAt(*middle, 4, 4, 2), 0u);
        EXPECT_EQ(materialAt(*middle, 4, 4, 9), 0u);
        EXPECT_EQ(materialAt(*top, 4, 4, 8), down ? kMetal : 0u) << int(side);
        if (side == DepositSide::Top) {
            EXPECT_EQ(top->materialIds(), membrane(10)->materialIds()) << "the top layer never emits";
        }
    }
}
