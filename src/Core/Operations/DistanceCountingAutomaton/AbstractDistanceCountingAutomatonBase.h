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
#include <limits>
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
// depend on the number of slabs. Engines whose rule is the standard relaxation (`sweepFront`)
// apply most changes already during `stepSlice`, behind the evaluation, where no evaluation of
// the step reads them any more, and queue only the neighbours a change can shorten, each with the
// directions to try; the cells come out the same.
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
    // The materials a cell must hold to enter a front: `eligibleMaterials` unless the engine
    // keeps another set.
    virtual const MaterialIdSet &frontMaterials() const { return eligibleMaterials; }
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
    // Asks the processor to fetch the memory lines of a cell's neighbours along z, which its
    // own line need not hold. A prefetch never faults, so the volume's first and last cell need
    // no test; the addresses are computed as integers.
    void prefetchColumnNeighbours(uint32_t index) const
    {
        const uintptr_t cell = reinterpret_cast<uintptr_t>(cells + index);
        __builtin_prefetch(reinterpret_cast<const void *>(cell - sizeof(Model::Automaton::Voxel)));
        __builtin_prefetch(reinterpret_cast<const void *>(cell + 2 * sizeof(Model::Automaton::Voxel) - 1));
    }
    Model::Automaton::Voxel &cellAt(uint32_t index) const { return cells[index]; }

    // Visits every cell of the slab in array order (x, then y, then z innermost).
    template <class Visit> void forEachCellOfSlab(uint32_t begin, uint32_t end, Visit visit) const;
    // Whether one of the cell's in-volume face neighbours satisfies `test(voxel)`; neighbours are
    // tried in table order and the first match ends the search.
    template <class Test> bool anyNeighbour(const CellSite &cell, Test test) const;
    // The standard relaxation: the shortest neighbour vector plus step that is strictly shorter
    // than the cell's own vector and at most `limitSquared` long; ties keep the earlier
    // neighbour. False when there is none. Only the neighbours in `cell.directions` are tried:
    // a step that leaves others out knows they cannot shorten the cell.
    bool relax(const CellSite &cell, float limitSquared, DistanceVector &best) const;
    static DistanceVector vectorOf(const Model::Automaton::Voxel &voxel)
    {
        return {voxel.distanceX, voxel.distanceY, voxel.distanceZ};
    }
    // Whether a candidate of this squared length replaces a vector of squared length `current`:
    // strictly shorter and within the limit.
    static bool shortens(float length, float current, float limitSquared)
    {
        return length < current && length <= limitSquared;
    }
    // One step of a slab whose rules are the standard relaxation, in one pass over its front:
    // `evaluate(cell, nextFront)` evaluates each front cell (recording changes only); an x layer
    // behind, once no later evaluation reads it, each change is applied; a further layer behind,
    // once its neighbours are settled, the cells it can shorten are queued (see
    // `queueShortenedNeighbours`). So the cells are still cached for all three. Changes in a layer
    // a neighbouring slab reads while it evaluates are applied at the hand-over instead
    // (`applySharedLayerChanges`); until then those cells count with their vectors from before.
    template <class Evaluate, class LimitOf>
    void sweepFront(uint32_t begin, uint32_t end, uint32_t slice, Evaluate evaluate,
                    const MaterialIdSet &materials, LimitOf limitSquaredOf);
    void applySharedLayerChanges(uint32_t begin, uint32_t end, uint32_t slice);
    // Queues the changed cell's neighbours that its new vector `distance` can shorten: free cells
    // holding one of `materials` for which `distance` plus the step back to the cell is strictly
    // shorter than their own vector and within `limitSquaredOf(neighbour)`, the test of the
    // standard relaxation. The front loses nothing by this: a cell that none of its neighbours
    // can shorten keeps its vector when evaluated, and a cell becomes shortenable only when a
    // neighbour changes (or is so from the start, in the first front). A neighbour's vector may
    // still be the one from before the step (a shared layer); vectors only shorten, so such a
    // test queues rather than misses. What it passes over is what a moving front would otherwise
    // evaluate again: the cells changed in the same step and those it has passed.
    template <class LimitOf>
    void queueShortenedNeighbours(const CellSite &cell, const DistanceVector &distance, uint32_t begin,
                                  uint32_t end, Front &nextFront, uint32_t slice,
                                  const MaterialIdSet &materials, LimitOf limitSquaredOf);
    // Queues the cell's face neighbours whose material is in `materials` (see
    // `addNeighboursToFront`).
    void queueNeighbours(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice,
                         const MaterialIdSet &materials);
    // The same with tests of a cell index: `ownTest` for neighbours in the slab, `handOver` for
    // those in the neighbouring slabs.
    template <class OwnTest, class HandOverTest>
    void queueNeighboursWhere(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront,
                              uint32_t slice, OwnTest ownTest, HandOverTest handOver);
    // Calls `visitOwn(index, direction)` for the cell's in-volume neighbours in the slab and puts
    // those in the neighbouring slabs for which `handOver(index, direction)` holds into the
    // outboxes.
    template <class VisitOwn, class HandOverTest>
    void visitNeighbours(const CellSite &cell, uint32_t begin, uint32_t end, uint32_t slice,
                         VisitOwn visitOwn, HandOverTest handOver);
    // How many front cells or changes ahead of use a cell is fetched: front cells usually lie a
    // column (often a memory page) apart.
    static constexpr size_t kPrefetchDistance = 16;
    // How many front cells `sweepFront` evaluates between settling changes.
    static constexpr size_t kSettleBatch = 32;

    // The cell index ranges of the slab's first and last layer when a neighbouring slab reads
    // them: below `low` and from `high` on.
    struct SharedLayers {
        uint64_t low;
        uint64_t high;
        bool contains(uint64_t index) const { return index < low || index >= high; }
    };
    SharedLayers sharedLayers(uint32_t begin, uint32_t end, uint32_t slice) const;
    void applyChange(const CellChange &change)
    {
        Model::Automaton::Voxel &cell = cells[change.index];
        cell.materialId = change.materialId;
        cell.setDistance(change.distance.x, change.distance.y, change.distance.z);
    }
    // Puts a cell of this slab into a front that is being built, once, adding `directions` to
    // the neighbours its evaluation will try.
    void queueOwnCell(uint32_t index, Front &nextFront, uint8_t directions = kAllDirections);
    // Puts a cell into the slab's current front during initialisation.
    void addToFront(uint32_t index, uint32_t slice) { queueOwnCell(index, fronts[slice]); }
    // Clears the slab's front, outboxes and changes (start of the initialisation pass).
    void resetSlice(uint32_t slice);
    // Clears the slab's outboxes and changes and the queue marks of its front (start of a step).
    void beginStep(uint32_t slice);
    // The same but for the queue marks.
    void clearStepLists(uint32_t slice);
    // Parts of the hand-over: the neighbouring slabs' outboxes into the slab's next front; that
    // front, put in ascending order, becomes the current one.
    void takeOverOutboxes(uint32_t slice);
    void makeNextFrontCurrent(uint32_t slice);
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
    // One byte per cell while a run holds the cells: non-zero while the cell waits in a front
    // being built, so each cell is queued once without sorting duplicates away; its bits are the
    // directions its evaluation tries (see `CellSite::directions`).
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
    float bestLength = vectorOf(*c).squaredLength();
    bool found = false;
    const auto consider = [&](const Model::Automaton::Voxel &neighbour, const DistanceVector &step) {
        const DistanceVector candidate = vectorOf(neighbour) + step;
        const float length = candidate.squaredLength();
        if (shortens(length, bestLength, limitSquared)) {
            bestLength = length;
            best = candidate;
            found = true;
        }
    };
    const uint32_t layer = sizeY * sizeZ;
    const uint8_t directions = cell.directions;
    if ((directions & 1u) && cell.z > 0)
        consider(c[-1], stepVectors[0]);
    if ((directions & 2u) && cell.z + 1 < sizeZ)
        consider(c[1], stepVectors[1]);
    if ((directions & 4u) && cell.y > 0)
        consider(*(c - sizeZ), stepVectors[2]);
    if ((directions & 8u) && cell.y + 1 < sizeY)
        consider(c[sizeZ], stepVectors[3]);
    if ((directions & 16u) && cell.x > 0)
        consider(*(c - layer), stepVectors[4]);
    if ((directions & 32u) && cell.x + 1 < sizeX)
        consider(c[layer], stepVectors[5]);
    return found;
}

inline void AbstractDistanceCountingAutomatonBase::queueOwnCell(uint32_t index, Front &nextFront,
                                                                uint8_t directions)
{
    if (!queued[index])
        nextFront.push_back(index);
    queued[index] |= directions;
}

inline void AbstractDistanceCountingAutomatonBase::queueNeighbours(const CellSite &cell, uint32_t begin,
                                                                   uint32_t end, Front &nextFront,
                                                                   uint32_t slice,
                                                                   const MaterialIdSet &materials)
{
    const auto eligible = [&](uint32_t index) { return materials.contains(cells[index].materialId); };
    queueNeighboursWhere(cell, begin, end, nextFront, slice, eligible, eligible);
}

template <class Evaluate, class LimitOf>
void AbstractDistanceCountingAutomatonBase::sweepFront(uint32_t begin, uint32_t end, uint32_t slice,
                                                       Evaluate evaluate, const MaterialIdSet &materials,
                                                       LimitOf limitSquaredOf)
{
    clearStepLists(slice);
    QMutexLocker lock(sliceMutexes[slice].get());
    Front &nextFront = nextFronts[slice];
    const Front &front = fronts[slice];
    const std::vector<CellChange> &list = changes[slice];
    const uint64_t layer = uint64_t(sizeY) * sizeZ;
    const SharedLayers shared = sharedLayers(begin, end, slice);
    size_t applied = 0;
    size_t checked = 0;
    // `next`: the smallest cell index evaluated or changed from now on. A cell is read by the
    // evaluations of its neighbours, up to one layer above it.
    const auto settleBefore = [&](uint64_t next) {
        for (; applied < list.size() && list[applied].index + layer < next; ++applied) {
            if (!shared.contains(list[applied].index))
                applyChange(list[applied]);
        }
        // Every cell below `settled` has its vector after the step; a change's neighbours are
        // tested against those vectors, up to one layer above it.
        const uint64_t settled = applied < list.size() ? std::min<uint64_t>(list[applied].index, next) : next;
        for (; checked < applied && list[checked].index + layer < settled; ++checked) {
            // The queueing reads the z neighbours, whose lines evaluation seldom touched.
            if (checked + kPrefetchDistance < applied)
                prefetchColumnNeighbours(list[checked + kPrefetchDistance].index);
            queueShortenedNeighbours(site(list[checked].index), list[checked].distance, begin, end, nextFront,
                                     slice, materials, limitSquaredOf);
        }
    };
    for (size_t i = 0; i < front.size(); ++i) {
        if (i + kPrefetchDistance < front.size()) {
            const uint32_t ahead = front[i + kPrefetchDistance];
            prefetchNeighbourhood(ahead);
            __builtin_prefetch(queued.get() + ahead); // its directions, read below
        }
        // Settling in batches keeps its bookkeeping out of the per-cell work.
        if (i % kSettleBatch == 0)
            settleBefore(front[i]);
        // A cell is queued again only once evaluated: the changes that may shorten it lie before it.
        CellSite cell = site(front[i]);
        cell.directions = queued[cell.index];
        queued[cell.index] = 0;
        evaluate(cell, nextFront);
    }
    settleBefore(std::numeric_limits<uint64_t>::max() - layer);
}

template <class LimitOf>
void AbstractDistanceCountingAutomatonBase::queueShortenedNeighbours(
    const CellSite &cell, const DistanceVector &distance, uint32_t begin, uint32_t end, Front &nextFront,
    uint32_t slice, const MaterialIdSet &materials, LimitOf limitSquaredOf)
{
    // The neighbour sees the cell the opposite way: table entries come in pairs.
    const auto shortened = [&](uint32_t index, uint32_t direction) {
        const Model::Automaton::Voxel &neighbour = cells[index];
        if (neighbour.fixed || !materials.contains(neighbour.materialId))
            return false;
        const float length = (distance + stepVectors[direction ^ 1u]).squaredLength();
        return shortens(length, vectorOf(neighbour).squaredLength(), limitSquaredOf(neighbour));
    };
    // The neighbour's evaluation then tries this cell (those handed over try every neighbour).
    const auto queueOwn = [&](uint32_t index, uint32_t direction) {
        if (shortened(index, direction))
            queueOwnCell(index, nextFront, uint8_t(1u << (direction ^ 1u)));
    };
    visitNeighbours(cell, begin, end, slice, queueOwn, shortened);
}

template <class OwnTest, class HandOverTest>
void AbstractDistanceCountingAutomatonBase::queueNeighboursWhere(const CellSite &cell, uint32_t begin,
                                                                 uint32_t end, Front &nextFront,
                                                                 uint32_t slice, OwnTest ownTest,
                                                                 HandOverTest handOver)
{
    const auto queueOwn = [&](uint32_t index, uint32_t) {
        if (ownTest(index))
            queueOwnCell(index, nextFront);
    };
    visitNeighbours(cell, begin, end, slice, queueOwn,
                    [&](uint32_t index, uint32_t) { return handOver(index); });
}

template <class VisitOwn, class HandOverTest>
void AbstractDistanceCountingAutomatonBase::visitNeighbours(const CellSite &cell, uint32_t begin,
                                                            uint32_t end, uint32_t slice, VisitOwn visitOwn,
                                                            HandOverTest handOver)
{
    const uint32_t layer = sizeY * sizeZ;
    if (cell.z > 0)
        visitOwn(cell.index - 1, 0);
    if (cell.z + 1 < sizeZ)
        visitOwn(cell.index + 1, 1);
    if (cell.y > 0)
        visitOwn(cell.index - sizeZ, 2);
    if (cell.y + 1 < sizeY)
        visitOwn(cell.index + sizeZ, 3);
    if (cell.x > 0) {
        const uint32_t index = cell.index - layer;
        if (cell.x - 1 >= begin)
            visitOwn(index, 4);
        else if (handOver(index, 4))
            outboxBelow[slice].push_back(index);
    }
    if (cell.x + 1 < sizeX) {
        const uint32_t index = cell.index + layer;
        if (cell.x + 1 < end)
            visitOwn(index, 5);
        else if (handOver(index, 5))
            outboxAbove[slice].push_back(index);
    }
}

} // namespace Core::Operations
