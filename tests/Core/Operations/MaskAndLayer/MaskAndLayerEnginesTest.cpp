#include "Core/Operations/Cuts/CutCellVolume.h"
#include "Core/Operations/Photolithography/Photolithography.h"
#include "Core/Operations/Planarization/Planarization.h"
#include "Core/Operations/Planarization/SpinCoating.h"
#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtching.h"
#include "Support/Volumes.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <set>

using namespace Core::Operations;
using Model::Automaton::ImageMask;
using Model::Automaton::TotalVolume;
using TestSupport::expectSameCellsForAnyThreadCount;
using TestSupport::makeVolume;
using TestSupport::materialAt;

namespace {

using namespace TestSupport::Materials;
constexpr uint8_t kTop = SimpleReactiveIonEtching::kFromTop;
constexpr uint8_t kBelow = SimpleReactiveIonEtching::kFromBelow;

// A w × h mask whose bit for column (x, y) is blocking(x, y).
ImageMask maskOf(uint32_t w, uint32_t h, const std::function<bool(uint32_t, uint32_t)> &blocking)
{
    QBitArray bits(int(w * h));
    for (uint32_t x = 0; x < w; ++x)
        for (uint32_t y = 0; y < h; ++y)
            bits.setBit(int(x * h + y), blocking(x, y));
    return ImageMask(bits, w, h);
}

using Cells = std::vector<uint32_t>;

// The development and the etch written out as the passes over sets of cells they are defined
// by, as an independent check of the engines' closed forms.
struct Reference {
    uint32_t sx, sy, sz;
    Cells ids;
    size_t index(uint32_t x, uint32_t y, uint32_t z) const { return (size_t(x) * sy + y) * sz + z; }
    bool emptyAt(uint32_t x, uint32_t y, int z) const { return ids[index(x, y, uint32_t(z))] == 0; }

    // Runs `passes` passes from the seeds: each removes the front cells still holding
    // `material` and moves the front to their upper and/or lower neighbours (only those holding
    // the material, when asked).
    void spread(std::set<size_t> front, uint32_t passes, uint32_t material, bool up, bool down,
                bool onlyMaterialNeighbours)
    {
        for (uint32_t pass = 0; pass < passes; ++pass) {
            std::set<size_t> next, removed;
            for (size_t i : front) {
                if (ids[i] != material)
                    continue;
                removed.insert(i);
                const uint32_t z = uint32_t(i % sz);
                if (up && z + 1 < sz && (!onlyMaterialNeighbours || ids[i + 1] == material))
                    next.insert(i + 1);
                if (down && z >= 1 && (!onlyMaterialNeighbours || ids[i - 1] == material))
                    next.insert(i - 1);
            }
            for (size_t i : removed)
                ids[i] = 0;
            front = next;
        }
    }

    // The cells of `material` with an empty cell above them where `fromTop` holds for their
    // column, or below them where `fromBelow` does.
    using ColumnTest = std::function<bool(uint32_t, uint32_t)>;
    std::set<size_t> seeds(uint32_t material, const ColumnTest &fromTop, const ColumnTest &fromBelow) const
    {
        std::set<size_t> result;
        for (uint32_t x = 0; x < sx; ++x)
            for (uint32_t y = 0; y < sy; ++y)
                for (uint32_t z = 0; z < sz; ++z)
                    if (ids[index(x, y, z)] == material
                        && ((z + 1 < sz && emptyAt(x, y, int(z + 1)) && fromTop(x, y))
                            || (z >= 1 && emptyAt(x, y, int(z) - 1) && fromBelow(x, y))))
                        result.insert(index(x, y, z));
        return result;
    }

    void photolithography(uint32_t resist, const ImageMask &bottom, const ImageMask &top)
    {
        // A set protection bit protects the column; the negative resist inverts the masks and
        // protects the columns outside them.
        const bool negative = resist == kNegativeResist;
        const auto openIn = [negative](const ImageMask &mask) {
            return [negative, &mask](uint32_t x, uint32_t y) {
                const bool inside = x < mask.getWidth() && y < mask.getHeight();
                const bool bit = inside && mask.getBits().testBit(int(x * mask.getHeight() + y));
                return !(negative ? !inside || !bit : bit);
            };
        };
        spread(seeds(resist, openIn(top), openIn(bottom)), sz, resist, true, true, false);
    }

    void etch(uint32_t material, uint32_t depth, uint8_t flags)
    {
        const auto always = [](bool on) { return [on](uint32_t, uint32_t) { return on; }; };
        spread(seeds(material, always(flags & kTop), always(flags & kBelow)), depth, material, flags & kBelow,
               flags & kTop, true);
    }
};

Reference referenceOf(TotalVolume &volume)
{
    return {volume.getSizeX(), volume.getSizeY(), volume.getSizeZ(), volume.materialIds()};
}

} // namespace

TEST(PhotolithographyEngine, MatchesTheSeedAndPassDefinitionOnRandomVolumes)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        const uint32_t resist = seed % 2 ? kResist : kNegativeResist;
        auto volume = TestSupport::makeRandomVolume(7, 5, 9, {resist, resist, kSi}, 0.4, seed);
        std::mt19937 random(seed);
        // Masks smaller and larger than the volume, or none; odd seeds positive, even negative resist.
        const ImageMask top = maskOf(9, 3, [&](uint32_t, uint32_t) { return random() % 2; });
        const ImageMask bottom =
            seed == 5 ? ImageMask() : maskOf(4, 8, [&](uint32_t, uint32_t) { return random() % 2; });
        Reference reference = referenceOf(*volume);
        reference.photolithography(resist, bottom, top);
        EXPECT_EQ(expectSameCellsForAnyThreadCount(
                      *volume, [&](TotalVolume &v) { Photolithography(v, resist, bottom, top).run(); }),
                  reference.ids)
            << "seed " << seed;
    }
}

TEST(ReactiveIonEtchingEngine, MatchesTheSeedAndStepDefinitionOnRandomVolumes)
{
    for (unsigned seed = 1; seed <= 6; ++seed) {
        auto volume = TestSupport::makeRandomVolume(5, 4, 12, {kOxide, kOxide, kOxide, kSi}, 0.3, seed);
        const uint8_t flags = uint8_t(seed % 3 + 1);
        const uint32_t depth = seed % 4 + 1;
        Reference reference = referenceOf(*volume);
        reference.etch(kOxide, depth, flags);
        EXPECT_EQ(
            expectSameCellsForAnyThreadCount(
                *volume, [&](TotalVolume &v) { SimpleReactiveIonEtching(v, kOxide, depth, flags).run(); }),
            reference.ids)
            << "seed " << seed;
    }
    // Without a direction or a depth nothing is etched.
    auto volume = TestSupport::makeRandomVolume(5, 4, 12, {kOxide, kSi}, 0.3, 9);
    for (const auto &[depth, flags] : {std::pair<uint32_t, uint8_t>{5, 0}, {0, kTop | kBelow}})
        EXPECT_EQ(
            TestSupport::cellsAfter(
                *volume, [&](TotalVolume &v) { SimpleReactiveIonEtching(v, kOxide, depth, flags).run(); }),
            volume->materialIds());
}

TEST(PlanarizationEngine, KeepsTheSlabBetweenTheHeights)
{
    auto volume = TestSupport::makeRandomVolume(13, 3, 10, {kSi, kOxide}, 0.2, 7);
    const Cells before = volume->materialIds();
    auto planarized = [&](uint32_t maximum, uint32_t minimum) {
        return expectSameCellsForAnyThreadCount(
            *volume, [&](TotalVolume &v) { Planarization(v, maximum, minimum).run(); });
    };
    EXPECT_EQ(planarized(10, 0), before);
    EXPECT_EQ(planarized(500, 0), before) << "a maximum above the volume is clamped";
    EXPECT_EQ(planarized(4, 4), Cells(before.size(), 0u));
    const Cells slab = planarized(7, 2);
    for (size_t i = 0; i < slab.size(); ++i) {
        const size_t z = i % 10;
        EXPECT_EQ(slab[i], z >= 2 && z < 7 ? before[i] : 0u) << i;
    }
}

TEST(SpinCoatingEngine, FillsEmptyCellsBelowTheHeightCavitiesIncluded)
{
    // A silicon block with a closed cavity at (2..3, 1..2, 2..3), on a gap row at z = 0.
    auto volume = makeVolume(6, 4, 8, [](uint32_t x, uint32_t y, uint32_t z) {
        const bool cavity = x >= 2 && x < 4 && y >= 1 && y < 3 && z >= 2 && z < 4;
        return z >= 1 && z < 5 && !cavity ? kSi : 0u;
    });
    const Cells before = volume->materialIds();
    const Cells full =
        expectSameCellsForAnyThreadCount(*volume, [](TotalVolume &v) { SpinCoating(v, kResist, 8).run(); });
    for (size_t i = 0; i < full.size(); ++i)
        EXPECT_EQ(full[i], before[i] == 0 ? kResist : before[i]) << i;
    EXPECT_EQ(
        expectSameCellsForAnyThreadCount(*volume, [](TotalVolume &v) { SpinCoating(v, kResist, 99).run(); }),
        full)
        << "a height above the volume is clamped";
    const Cells low =
        expectSameCellsForAnyThreadCount(*volume, [](TotalVolume &v) { SpinCoating(v, kResist, 3).run(); });
    EXPECT_EQ(low[volume->cellIndex(2, 1, 2)], kResist);
    EXPECT_EQ(low[volume->cellIndex(2, 1, 3)], 0u);
    EXPECT_EQ(low[volume->cellIndex(0, 0, 6)], 0u);
}

TEST(CutCellVolumeEngine, CountsCutsPerColumnAndNeverTouchesMaterials)
{
    auto volume = TestSupport::makeRandomVolume(5, 4, 3, {kSi, kOxide}, 0.3, 3);
    const Cells materials = volume->materialIds();
    // Blocking pixels keep columns (0, 0) and (1, 2); columns outside the 2 × 3 mask are cut.
    const ImageMask mask =
        maskOf(2, 3, [](uint32_t x, uint32_t y) { return (x == 0 && y == 0) || (x == 1 && y == 2); });
    auto expectCounts = [&](int cut) {
        const auto now = TestSupport::cutCounts(*volume);
        for (uint32_t x = 0; x < 5; ++x)
            for (uint32_t y = 0; y < 4; ++y)
                for (uint32_t z = 0; z < 3; ++z)
                    ASSERT_EQ(now[volume->cellIndex(x, y, z)], mask.blocks(x, y) ? 0 : cut) << x << y << z;
    };
    for (int threads : {1, 12}) {
        TestSupport::PoolThreads pool(threads);
        for (int i = 0; i < 256; ++i)
            CutCellVolume(*volume, mask).run(CutCellVolume::Mode::Cut);
        expectCounts(255);
        CutCellVolume(*volume, mask).run(CutCellVolume::Mode::Uncut);
        expectCounts(254);
        CutCellVolume(*volume, ImageMask()).run(CutCellVolume::Mode::Reset);
        expectCounts(0);
        CutCellVolume(*volume, mask).run(CutCellVolume::Mode::Uncut);
        expectCounts(0);
    }
    EXPECT_EQ(volume->materialIds(), materials);
}
