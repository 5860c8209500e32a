#include "Support/Volumes.h"

#include "Model/Automaton/TotalVolume.h"

#include <gtest/gtest.h>

using Model::Automaton::CellsLocker;
using Model::Automaton::TotalVolume;

namespace {

TEST(TotalVolumeTest, CellIndexRunsZFastestXSlowest)
{
    auto volume = TestSupport::makeVolume(
        2, 3, 4, [](uint32_t x, uint32_t y, uint32_t z) { return 100 * x + 10 * y + z; });
    EXPECT_EQ(volume->cellIndex(1, 2, 3), 23u);
    EXPECT_EQ(volume->cellIndex(0, 0, 1), 1u);
    const auto ids = volume->materialIds();
    EXPECT_EQ(ids[23], 123u);
    EXPECT_EQ(ids[4], 10u) << "index 4 is (0, 1, 0)";
    EXPECT_EQ(ids[12], 100u) << "index 12 is (1, 0, 0)";
    // A short id list leaves the rest empty.
    EXPECT_EQ(TotalVolume(2, 2, 2, 1, 1, 1, Util::Vector3D(), {5, 6}).materialIds(),
              (std::vector<uint32_t>{5, 6, 0, 0, 0, 0, 0, 0}));
}

TEST(TotalVolumeTest, CloneCopiesMaterialsAndGeometryOnly)
{
    TotalVolume volume(2, 1, 3, 0.5f, 2.0f, 1.5f, Util::Vector3D(1, 2, 3), {1, 2, 3, 4, 5, 6});
    {
        CellsLocker cells(volume);
        cells.get()[2].cutCount = 7;
        cells.get()[2].fixed = 1;
    }
    volume.setTopMask(QBitArray(4, true), 2, 2);
    volume.setProperty("anything", 3);
    auto clone = std::dynamic_pointer_cast<TotalVolume>(volume.clone());
    ASSERT_TRUE(clone);
    EXPECT_NE(clone->getObjectId(), volume.getObjectId());
    EXPECT_EQ(clone->materialIds(), volume.materialIds());
    EXPECT_EQ(clone->getCellSizeY(), 2.0f);
    EXPECT_EQ(clone->getPosition(), Util::Vector3D(1, 2, 3));
    CellsLocker cells(*clone);
    EXPECT_EQ(cells.get()[2].cutCount, 0);
    EXPECT_EQ(cells.get()[2].fixed, 0);
    EXPECT_TRUE(clone->getTopMask().isEmpty());
    EXPECT_TRUE(clone->propertyNames().isEmpty());
}

TEST(TotalVolumeTest, AllocationLimitsAreCheckedWithoutOverflow)
{
    EXPECT_TRUE(TotalVolume::isAllocatable(200, 200, 200));
    EXPECT_FALSE(TotalVolume::isAllocatable(0, 10, 10));
    EXPECT_FALSE(TotalVolume::isAllocatable(10000, 10000, 10000));
    EXPECT_FALSE(TotalVolume::isAllocatable(1ull << 32, 1, 1));
    EXPECT_FALSE(TotalVolume::isAllocatable(1ull << 31, 1ull << 31, 1ull << 31))
        << "product overflows 64 bits";
}

} // namespace
