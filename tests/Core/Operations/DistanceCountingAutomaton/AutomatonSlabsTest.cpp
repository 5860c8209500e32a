#include "Core/Operations/DistanceCountingAutomaton/AbstractDistanceCountingAutomatonBase.h"
#include "Core/Operations/DistanceCountingAutomaton/CellSite.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using Core::Operations::AbstractDistanceCountingAutomatonBase;
using Core::Operations::CellIndexDecoder;
using Util::SlabRange;

namespace {

// The end of every slab; the tiling test checks that each slab begins where the previous ends.
std::vector<uint32_t> slabEnds(uint32_t sizeX, uint32_t threads)
{
    std::vector<uint32_t> ends;
    for (const SlabRange &slab : AbstractDistanceCountingAutomatonBase::partitionSlabs(sizeX, threads))
        ends.push_back(slab.end);
    return ends;
}

} // namespace

TEST(AutomatonSlabs, WiderSlabsComeFirstTheLastEndsAtSizeXAndStepCountsStayInRange)
{
    using Ends = std::vector<uint32_t>;
    EXPECT_EQ(slabEnds(100, 12), (Ends{9, 18, 27, 36, 44, 52, 60, 68, 76, 84, 92, 100}));
    EXPECT_EQ(slabEnds(10, 4), (Ends{2, 4, 6, 10}));
    // The remainder is taken modulo the width, not the thread count.
    EXPECT_EQ(slabEnds(35, 12), (Ends{3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 35}));
    // Iteration counts are truncated into range.
    using Base = AbstractDistanceCountingAutomatonBase;
    EXPECT_EQ(Base::truncatedIterations(3.999), 3u);
    EXPECT_EQ(Base::truncatedIterations(0.7) + Base::truncatedIterations(-5.0)
                  + Base::truncatedIterations(std::nan("")),
              0u);
    EXPECT_EQ(Base::truncatedIterations(1e300), std::numeric_limits<uint32_t>::max());
}

TEST(AutomatonSlabs, EveryPartitionTilesTheVolumeWithoutEmptySlabs)
{
    for (uint32_t sizeX = 1; sizeX <= 70; ++sizeX) {
        for (uint32_t threads = 1; threads <= 16; ++threads) {
            const auto slabs = AbstractDistanceCountingAutomatonBase::partitionSlabs(sizeX, threads);
            ASSERT_EQ(slabs.size(), sizeX < threads ? 1u : threads) << sizeX << " " << threads;
            uint32_t begin = 0;
            for (const SlabRange &slab : slabs) {
                EXPECT_EQ(slab.begin, begin);
                EXPECT_LT(slab.begin, slab.end);
                begin = slab.end;
            }
            EXPECT_EQ(begin, sizeX);
        }
    }
}

TEST(CellIndexDecoder, MatchesIntegerDivisionForAllShapes)
{
    const std::vector<std::pair<uint32_t, uint32_t>> shapes = {
        {1, 1},         {1, 7},           {7, 1},           {3, 4},        {200, 200},
        {65535, 65537}, {1, 4294967295u}, {4294967295u, 1}, {65536, 65535}};
    std::mt19937 random(7);
    for (const auto &[sizeY, sizeZ] : shapes) {
        const CellIndexDecoder decoder(sizeY, sizeZ);
        for (int i = 0; i < 20000; ++i) {
            const uint32_t index = i < 1000 ? uint32_t(i) : uint32_t(random());
            const uint64_t layer = uint64_t(sizeY) * sizeZ;
            const auto site = decoder.decode(index);
            ASSERT_EQ(site.x, uint32_t(index / layer)) << sizeY << "x" << sizeZ << " " << index;
            ASSERT_EQ(site.y, uint32_t((index / sizeZ) % sizeY)) << sizeY << "x" << sizeZ << " " << index;
            ASSERT_EQ(site.z, index % sizeZ) << sizeY << "x" << sizeZ << " " << index;
        }
    }
}
