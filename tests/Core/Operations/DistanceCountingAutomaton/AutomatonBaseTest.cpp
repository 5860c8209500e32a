#include "Core/Operations/DistanceCountingAutomaton/DistanceCountingEngine.h"
#include "Model/Automaton/TotalVolume.h"
#include "Support/Volumes.h"

#include <gtest/gtest.h>

using namespace Core::Operations;
using Model::Automaton::TotalVolume;
using Model::Automaton::Voxel;

namespace {

constexpr uint32_t kMarked = 77;

// Fixes solid cells at distance 0 and puts empty ones at `limit`; true for a solid cell.
bool seedDistance(Voxel &voxel, float limit)
{
    const bool solid = voxel.materialId != 0;
    voxel.fixed = solid;
    voxel.setDistance(solid ? 0 : limit, solid ? 0 : limit, solid ? 0 : limit);
    return solid;
}

// Writes kMarked into every cell in its final pass; its steps change nothing.
template <class Base> class FinalPassProbe final : public DistanceCountingEngine<FinalPassProbe<Base>, Base> {
public:
    using DistanceCountingEngine<FinalPassProbe<Base>, Base>::DistanceCountingEngine;
    void initializeCellAt(const CellSite &cell, uint32_t) { this->cellAt(cell.index).fixed = 1; }
    void updateCellAt(const CellSite &, uint32_t, uint32_t, Front &, uint32_t) {}
    void finalizeCellAt(const CellSite &cell, uint32_t) { this->cellAt(cell.index).materialId = kMarked; }
};

// Deposition that never queues neighbours: only the cells of the first front can change.
class FrontlessDeposition final : public DistanceCountingEngine<FrontlessDeposition> {
public:
    FrontlessDeposition(TotalVolume &volume, float limit)
        : DistanceCountingEngine(volume), limit(limit), limitSquared(limit * limit)
    {
        eligibleMaterials = {0, 5};
    }
    void initializeCellAt(const CellSite &cell, uint32_t slice)
    {
        if (!seedDistance(cells[cell.index], limit)
            && anyNeighbour(cell, [](const Voxel &n) { return n.materialId != 0; }))
            addToFront(cell.index, slice);
    }
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice)
    {
        DistanceVector best;
        if (!cells[cell.index].fixed && relax(cell, limitSquared, best))
            changeCell(cell, 5, best, begin, end, nextFront, slice);
    }

protected:
    friend Rules;
    void addNeighboursToFront(uint32_t, uint32_t, uint32_t, Front &, uint32_t) override {}

private:
    float limit;
    float limitSquared;
};

// Runs out of memory while initialising the cells of one x layer.
class FailingInitialisation final : public DistanceCountingEngine<FailingInitialisation> {
public:
    FailingInitialisation(TotalVolume &volume, uint32_t failingLayer)
        : DistanceCountingEngine(volume), failingLayer(failingLayer)
    {
    }
    void initializeCellAt(const CellSite &cell, uint32_t)
    {
        if (cell.x == failingLayer)
            throw std::bad_alloc();
    }
    void updateCellAt(const CellSite &, uint32_t, uint32_t, Front &, uint32_t) {}

private:
    uint32_t failingLayer;
};

std::shared_ptr<TotalVolume> trenchVolume(uint32_t sizeX)
{
    return TestSupport::makeVolume(sizeX, 9, 12, [sizeX](uint32_t x, uint32_t y, uint32_t z) {
        const bool trench = x > sizeX / 3 && x < 2 * sizeX / 3 && y > 2 && y < 7 && z >= 2;
        return z < 6 && !trench ? 1u : 0u;
    });
}

} // namespace

TEST(AutomatonBase, FinalPassRunsOnlyWithoutNoFinalizeEvenWithZeroSteps)
{
    for (int threads : {1, 3}) {
        TestSupport::PoolThreads pool(threads);
        auto withFinal = trenchVolume(7);
        FinalPassProbe<AbstractDistanceCountingAutomatonBase>(*withFinal).run(0);
        for (uint32_t id : withFinal->materialIds())
            ASSERT_EQ(id, kMarked);

        auto withoutFinal = trenchVolume(7);
        const auto before = withoutFinal->materialIds();
        FinalPassProbe<AbstractDistanceCountingAutomatonNoFinalize>(*withoutFinal).run(0);
        EXPECT_EQ(withoutFinal->materialIds(), before);
    }
}

TEST(AutomatonBase, AnEngineOverridingAddNeighboursToFrontIsHonoured)
{
    TestSupport::PoolThreads pool(2);
    auto volume = TestSupport::makeSlab(6, 4, 10, 3);
    FrontlessDeposition engine(*volume, 5.0f);
    engine.run(20);
    for (uint32_t x = 0; x < 6; ++x) {
        EXPECT_EQ(TestSupport::materialAt(*volume, x, 1, 3), 5u);
        EXPECT_EQ(TestSupport::materialAt(*volume, x, 1, 4), 0u);
    }
    // Nothing was queued after the first step, so the run stopped there.
    EXPECT_EQ(engine.getStepsRun(), 1u);
}

TEST(AutomatonBase, AFailingSlabEndsTheRunWithTheCellsUnlocked)
{
    for (int threads : {1, 3}) {
        TestSupport::PoolThreads pool(threads);
        auto volume = trenchVolume(9);
        FailingInitialisation engine(*volume, 4);
        EXPECT_THROW(engine.run(3), std::exception);
        // The lock was released: this would block forever otherwise.
        EXPECT_EQ(volume->materialIds().size(), volume->getCellCount());
    }
}
