#pragma once

#include "Core/Operations/DistanceCountingAutomaton/CellChange.h"
#include "Core/Operations/DistanceCountingAutomaton/CellSite.h"
#include "Core/Operations/DistanceCountingAutomaton/MaterialIdSet.h"
#include "Model/Automaton/Voxel.h"
#include "Util/ParallelSlabs.h"

#include <QMutex>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// A front of cells to evaluate in the next step: ascending cell indices, each once.
using Front = std::vector<uint32_t>;

// The distance-counting automaton shared by the growth and removal engines. Every cell carries a
// distance vector to its nearest source cell; a front of candidate cells is relaxed step by step,
// each cell taking over a neighbour's vector plus the step to that neighbour when that is shorter
// and stays within the engine's limit. The volume is split into slabs along x, one per thread of
// the global pool; each pass runs all slabs concurrently and waits for them.
//
// A step of a slab has two halves: `stepSlice` evaluates the slab's front against the cells as
// they were when the step began (queuing found neighbours in the slab's next front or in its
// outboxes towards the neighbouring slabs), and `handOverSlice`, run only after every slab has
// evaluated, takes over the neighbours' outboxes and applies the slab's changes. So results do not
// depend on the number of slabs.
//
// An engine supplies the per-cell rules (`initializeCell`, `updateCell`, `finalizeCell`), usually
// through `DistanceCountingEngine`, which runs them in the slab loops without a virtual call per cell.
class AbstractDistanceCountingAutomatonBase {
public:
    // Turns a layer count into a step count: (√2 + 1)/√2.
    static const double K;

    explicit AbstractDistanceCountingAutomatonBase(Model::Automaton::TotalVolume &volume);
    virtual ~AbstractDistanceCountingAutomatonBase();
    AbstractDistanceCountingAutomatonBase(const AbstractDistanceCountingAutomatonBase &) = delete;
    AbstractDistanceCountingAutomatonBase &operator=(const AbstractDistanceCountingAutomatonBase &) = delete;

    // Takes the cell lock, initialises every cell, runs the steps and the final pass, releases
    // the lock. Steps stop early once every front is empty, since they could change nothing.
    virtual void run(uint32_t iterations);

    // The slabs along x for this many threads: w = sizeX / threads layers each (one slab of all
    // layers when w is 0), the first sizeX mod w slabs one layer wider, the last ending at sizeX.
    static std::vector<Util::SlabRange> partitionSlabs(uint32_t sizeX, uint32_t threadCount);
    // A step count from a computed real value: truncated; 0 for NaN or negative values.
    static uint32_t truncatedIterations(double value);

    uint32_t getSliceCount() const { return sliceCount; }
    const std::vector<Util::SlabRange> &getSlabs() const { return slabs; }
    // The number of steps the last run performed (it may stop before `iterations`).
    uint32_t getStepsRun() const { return stepsRun; }

protected:
    virtual void initializeSlice(uint32_t begin, uint32_t end, uint32_t slice);
    // First half of one relaxation step of a slab: evaluates its front.
    virtual void stepSlice(uint32_t begin, uint32_t end, uint32_t slice);
    // Second half, after every slab has evaluated: takes over the cells the neighbouring slabs
    // found in this slab, applies the slab's changes and makes the next front current.
    virtual void handOverSlice(uint32_t begin, uint32_t end, uint32_t slice);
    virtual void finalizeSlice(uint32_t begin, uint32_t end, uint32_t slice);
    virtual void applyChanges(uint32_t slice);
    // Queues the cell's eligible face neighbours: in `nextFront` when inside [begin, end), else
    // in the outbox towards the slab holding them.
    virtual void addNeighboursToFront(uint32_t index, uint32_t begin, uint32_t end, Front &nextFront,
                                      uint32_t slice);
    virtual void initializeCell(uint32_t index, uint32_t slice) = 0;
    virtual void updateCell(uint32_t index, uint32_t begin, uint32_t end, Front &nextFront,
                            uint32_t slice) = 0;
    virtual void finalizeCell(uint32_t index, uint32_t slice) = 0;

    // Runs the passes; the final pass only when `finalize` is set.
    void runPasses(uint32_t iterations, bool finalize);

    // The six step vectors in neighbour order (-z, +z, -y, +y, -x, +x), from the current
    // `cellSizeX/Y/Z`. Engines that rescale their cell sizes call it again.
    void buildStepVectors();
    // The smallest of the engine's cell sizes.
    float smallestCellSize() const;

    CellSite site(uint32_t index) const { return decoder.decode(index); }
    // Asks the processor to fetch a cell and its neighbour in the next x layer ahead of use.
    void prefetchNeighbourhood(uint32_t index) const
    {
        __builtin_prefetch(cells + index);
        if (size_t(index) + size_t(sizeY) * sizeZ < size_t(sizeX) * sizeY * sizeZ)
            __builtin_prefetch(cells + index + sizeY * sizeZ);
    }
    Model::Automaton::Voxel &cellAt(uint32_t index) const { return cells[index]; }

    // Visits every cell of the slab in array order (x, then y, then z innermost).
    template <class Visit> void forEachCellOfSlab(uint32_t begin, uint32_t end, Visit visit) const;
    // Whether one of the cell's in-volume face neighbours satisfies `test(voxel)`; neighbours are
    // tried in table order and the first match ends the search.
    template <class Test> bool anyNeighbour(const CellSite &cell, Test test) const;
    // The standard relaxation: the shortest neighbour vector plus step that is strictly shorter
    // than the cell's own vector and at most `limitSquared` long; ties keep the earlier
    // neighbour. False when there is none.
    bool relax(const CellSite &cell, float limitSquared, DistanceVector &best) const;
    // Queues the cell's face neighbours whose material is in `materials` (see
    // `addNeighboursToFront`).
    void queueNeighbours(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice,
                         const MaterialIdSet &materials);
    // The same with tests of a cell index: `ownTest` for neighbours in the slab, `handOver` for
    // those in the neighbouring slabs.
    template <class OwnTest, class HandOverTest>
    void queueNeighboursWhere(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront,
                              uint32_t slice, OwnTest ownTest, HandOverTest handOver);
    // How many front cells or changes ahead of use a cell is fetched: front cells usually lie a
    // column (often a memory page) apart.
    static constexpr size_t kPrefetchDistance = 16;

    // Puts a cell of this slab into a front that is being built, once.
    void queueOwnCell(uint32_t index, Front &nextFront);
    // Puts a cell into the slab's current front during initialisation.
    void addToFront(uint32_t index, uint32_t slice) { queueOwnCell(index, fronts[slice]); }
    // Clears the slab's front, outboxes and changes (start of the initialisation pass).
    void resetSlice(uint32_t slice);
    // Clears the slab's outboxes and changes and the queue marks of its front (start of a step).
    void beginStep(uint32_t slice);
    Front &nextFrontOf(uint32_t slice) { return nextFronts[slice]; }

    Model::Automaton::TotalVolume &volume;
    uint32_t sliceCount = 1;
    uint32_t sliceWidth = 0;
    std::vector<Front> fronts;
    std::vector<Front> outboxBelow;
    std::vector<Front> outboxAbove;
    std::vector<std::unique_ptr<QMutex>> sliceMutexes;
    std::vector<std::vector<CellChange>> changes;
    MaterialIdSet eligibleMaterials;
    uint32_t sizeX;
    uint32_t sizeY;
    uint32_t sizeZ;
    float cellSizeX;
    float cellSizeY;
    float cellSizeZ;
    Model::Automaton::Voxel *cells = nullptr;
    std::array<DistanceVector, 6> stepVectors;

private:
    struct FreeDeleter {
        void operator()(uint8_t *p) const { std::free(p); }
    };

    void runPass(void (AbstractDistanceCountingAutomatonBase::*pass)(uint32_t, uint32_t, uint32_t));
    void settleInitialFronts();
    bool allFrontsEmpty() const;
    void takeOverOutbox(const Front &outbox, Front &nextFront);

    std::vector<Util::SlabRange> slabs;
    std::vector<Front> nextFronts;
    std::vector<Front> sortScratch;
    CellIndexDecoder decoder;
    // One byte per cell while a run holds the cells: set while the cell waits in a front being
    // built, so each cell is queued once without sorting duplicates away.
    std::unique_ptr<uint8_t[], FreeDeleter> queued;
    uint32_t stepsRun = 0;
};

template <class Visit>
void AbstractDistanceCountingAutomatonBase::forEachCellOfSlab(uint32_t begin, uint32_t end, Visit visit) const
{
    // Rules often look at the next x layer, a long way ahead in memory: fetch it ahead of use.
    const size_t ahead = size_t(sizeY) * sizeZ + 16;
    const size_t last = size_t(sizeX) * sizeY * sizeZ;
    CellSite cell;
    cell.index = begin * sizeY * sizeZ;
    for (cell.x = begin; cell.x < end; ++cell.x) {
        const bool prefetch = cell.x + 1 < sizeX;
        for (cell.y = 0; cell.y < sizeY; ++cell.y) {
            for (cell.z = 0; cell.z < sizeZ; ++cell.z, ++cell.index) {
                if (prefetch && cell.index + ahead < last)
                    __builtin_prefetch(cells + cell.index + ahead);
                visit(cell);
            }
        }
    }
}

template <class Test>
bool AbstractDistanceCountingAutomatonBase::anyNeighbour(const CellSite &cell, Test test) const
{
    const uint32_t layer = sizeY * sizeZ;
    const Model::Automaton::Voxel *c = cells + cell.index;
    return (cell.z > 0 && test(c[-1])) || (cell.z + 1 < sizeZ && test(c[1]))
           || (cell.y > 0 && test(*(c - sizeZ))) || (cell.y + 1 < sizeY && test(c[sizeZ]))
           || (cell.x > 0 && test(*(c - layer))) || (cell.x + 1 < sizeX && test(c[layer]));
}

inline bool AbstractDistanceCountingAutomatonBase::relax(const CellSite &cell, float limitSquared,
                                                         DistanceVector &best) const
{
    const Model::Automaton::Voxel *c = cells + cell.index;
    float bestLength = DistanceVector{c->distanceX, c->distanceY, c->distanceZ}.squaredLength();
    bool found = false;
    const auto consider = [&](const Model::Automaton::Voxel &neighbour, const DistanceVector &step) {
        const DistanceVector candidate =
            DistanceVector{neighbour.distanceX, neighbour.distanceY, neighbour.distanceZ} + step;
        const float length = candidate.squaredLength();
        if (length < bestLength && length <= limitSquared) {
            bestLength = length;
            best = candidate;
            found = true;
        }
    };
    const uint32_t layer = sizeY * sizeZ;
    if (cell.z > 0)
        consider(c[-1], stepVectors[0]);
    if (cell.z + 1 < sizeZ)
        consider(c[1], stepVectors[1]);
    if (cell.y > 0)
        consider(*(c - sizeZ), stepVectors[2]);
    if (cell.y + 1 < sizeY)
        consider(c[sizeZ], stepVectors[3]);
    if (cell.x > 0)
        consider(*(c - layer), stepVectors[4]);
    if (cell.x + 1 < sizeX)
        consider(c[layer], stepVectors[5]);
    return found;
}

inline void AbstractDistanceCountingAutomatonBase::queueOwnCell(uint32_t index, Front &nextFront)
{
    if (!queued[index]) {
        queued[index] = 1;
        nextFront.push_back(index);
    }
}

inline void AbstractDistanceCountingAutomatonBase::queueNeighbours(const CellSite &cell, uint32_t begin,
                                                                   uint32_t end, Front &nextFront,
                                                                   uint32_t slice,
                                                                   const MaterialIdSet &materials)
{
    const auto eligible = [&](uint32_t index) { return materials.contains(cells[index].materialId); };
    queueNeighboursWhere(cell, begin, end, nextFront, slice, eligible, eligible);
}

template <class OwnTest, class HandOverTest>
void AbstractDistanceCountingAutomatonBase::queueNeighboursWhere(const CellSite &cell, uint32_t begin,
                                                                 uint32_t end, Front &nextFront,
                                                                 uint32_t slice, OwnTest ownTest,
                                                                 HandOverTest handOver)
{
    const uint32_t layer = sizeY * sizeZ;
    const auto queueOwn = [&](uint32_t index) {
        if (ownTest(index))
            queueOwnCell(index, nextFront);
    };
    if (cell.z > 0)
        queueOwn(cell.index - 1);
    if (cell.z + 1 < sizeZ)
        queueOwn(cell.index + 1);
    if (cell.y > 0)
        queueOwn(cell.index - sizeZ);
    if (cell.y + 1 < sizeY)
        queueOwn(cell.index + sizeZ);
    if (cell.x > 0) {
        const uint32_t index = cell.index - layer;
        if (cell.x - 1 >= begin)
            queueOwn(index);
        else if (handOver(index))
            outboxBelow[slice].push_back(index);
    }
    if (cell.x + 1 < sizeX) {
        const uint32_t index = cell.index + layer;
        if (cell.x + 1 < end)
            queueOwn(index);
        else if (handOver(index))
            outboxAbove[slice].push_back(index);
    }
}

} // namespace Core::Operations
