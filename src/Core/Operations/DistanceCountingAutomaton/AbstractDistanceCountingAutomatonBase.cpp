#include "Core/Operations/DistanceCountingAutomaton/AbstractDistanceCountingAutomatonBase.h"

#include "Core/Operations/DistanceCountingAutomaton/FrontSorting.h"
#include "Model/Automaton/TotalVolume.h"

#include <QMutexLocker>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

namespace Core::Operations {

using Model::Automaton::TotalVolume;

const double AbstractDistanceCountingAutomatonBase::K = (std::sqrt(2.0) + 1.0) / std::sqrt(2.0);

AbstractDistanceCountingAutomatonBase::AbstractDistanceCountingAutomatonBase(TotalVolume &volume)
    : volume(volume), sizeX(volume.getSizeX()), sizeY(volume.getSizeY()), sizeZ(volume.getSizeZ()),
      cellSizeX(volume.getCellSizeX()), cellSizeY(volume.getCellSizeY()), cellSizeZ(volume.getCellSizeZ()),
      decoder(sizeY, sizeZ)
{
    slabs = partitionSlabs(sizeX, Util::parallelThreadCount());
    sliceCount = uint32_t(slabs.size());
    sliceWidth = sliceCount > 0 ? sizeX / sliceCount : 0;
    fronts.resize(sliceCount);
    nextFronts.resize(sliceCount);
    sortScratch.resize(sliceCount);
    outboxBelow.resize(sliceCount);
    outboxAbove.resize(sliceCount);
    changes.resize(sliceCount);
    for (uint32_t i = 0; i < sliceCount; ++i)
        sliceMutexes.push_back(std::make_unique<QMutex>());
    buildStepVectors();
}

AbstractDistanceCountingAutomatonBase::~AbstractDistanceCountingAutomatonBase() = default;

std::vector<Util::SlabRange> AbstractDistanceCountingAutomatonBase::partitionSlabs(uint32_t sizeX,
                                                                                   uint32_t threadCount)
{
    uint32_t count = std::max(threadCount, 1u);
    uint32_t width = sizeX / count;
    if (width == 0) {
        count = 1;
        width = sizeX;
    }
    const uint32_t remainder = width > 0 ? sizeX % width : 0;
    std::vector<Util::SlabRange> result;
    result.reserve(count);
    uint32_t begin = 0;
    for (uint32_t slice = 0; slice < count; ++slice) {
        const uint32_t end = slice + 1 == count ? sizeX : begin + width + (slice < remainder ? 1 : 0);
        result.push_back({begin, end});
        begin = end;
    }
    return result;
}

uint32_t AbstractDistanceCountingAutomatonBase::truncatedIterations(double value)
{
    if (!(value >= 1.0))
        return 0;
    if (value >= double(std::numeric_limits<uint32_t>::max()))
        return std::numeric_limits<uint32_t>::max();
    return uint32_t(value);
}

void AbstractDistanceCountingAutomatonBase::buildStepVectors()
{
    stepVectors = {{{0.0f, 0.0f, -cellSizeZ},
                    {0.0f, 0.0f, cellSizeZ},
                    {0.0f, -cellSizeY, 0.0f},
                    {0.0f, cellSizeY, 0.0f},
                    {-cellSizeX, 0.0f, 0.0f},
                    {cellSizeX, 0.0f, 0.0f}}};
}

float AbstractDistanceCountingAutomatonBase::smallestCellSize() const
{
    return std::min({cellSizeX, cellSizeY, cellSizeZ});
}

void AbstractDistanceCountingAutomatonBase::run(uint32_t iterations)
{
    runPasses(iterations, true);
}

void AbstractDistanceCountingAutomatonBase::runPasses(uint32_t iterations, bool finalize)
{
    stepsRun = 0;
    if (sliceCount == 0 || volume.getCellCount() == 0)
        return;
    queued.reset(static_cast<uint8_t *>(std::malloc(size_t(volume.getCellCount()))));
    if (!queued)
        throw std::bad_alloc();
    Model::Automaton::CellsLocker locker(volume);
    cells = locker.get();
    // Every slab clears its own queue marks, whatever its initialisation does.
    Util::runSlabs(slabs, [this](const Util::SlabRange &slab, size_t) {
        const size_t layer = size_t(sizeY) * sizeZ;
        std::memset(queued.get() + slab.begin * layer, 0, (slab.end - slab.begin) * layer);
    });
    runPass(&AbstractDistanceCountingAutomatonBase::initializeSlice);
    settleInitialFronts();
    while (stepsRun < iterations && !allFrontsEmpty()) {
        runPass(&AbstractDistanceCountingAutomatonBase::stepSlice);
        runPass(&AbstractDistanceCountingAutomatonBase::handOverSlice);
        ++stepsRun;
    }
    if (finalize)
        runPass(&AbstractDistanceCountingAutomatonBase::finalizeSlice);
    cells = nullptr;
    queued.reset();
}

void AbstractDistanceCountingAutomatonBase::runPass(
    void (AbstractDistanceCountingAutomatonBase::*pass)(uint32_t, uint32_t, uint32_t))
{
    Util::runSlabs(slabs, [this, pass](const Util::SlabRange &slab, size_t slice) {
        (this->*pass)(slab.begin, slab.end, uint32_t(slice));
    });
}

// An initialisation may queue cells in the neighbouring slabs' outboxes; hand them over and
// order every front before the first step.
void AbstractDistanceCountingAutomatonBase::settleInitialFronts()
{
    bool anyOutbox = false;
    for (uint32_t slice = 0; slice < sliceCount; ++slice)
        anyOutbox = anyOutbox || !outboxBelow[slice].empty() || !outboxAbove[slice].empty();
    if (anyOutbox) {
        for (uint32_t slice = 0; slice < sliceCount; ++slice)
            std::swap(fronts[slice], nextFronts[slice]);
        runPass(&AbstractDistanceCountingAutomatonBase::handOverSlice);
        return;
    }
    for (Front &front : fronts) {
        if (!std::is_sorted(front.begin(), front.end()))
            std::sort(front.begin(), front.end());
        front.erase(std::unique(front.begin(), front.end()), front.end());
    }
}

bool AbstractDistanceCountingAutomatonBase::allFrontsEmpty() const
{
    return std::all_of(fronts.begin(), fronts.end(), [](const Front &front) { return front.empty(); });
}

void AbstractDistanceCountingAutomatonBase::resetSlice(uint32_t slice)
{
    fronts[slice].clear();
    nextFronts[slice].clear();
    outboxBelow[slice].clear();
    outboxAbove[slice].clear();
    changes[slice].clear();
}

void AbstractDistanceCountingAutomatonBase::beginStep(uint32_t slice)
{
    clearStepLists(slice);
    for (uint32_t index : fronts[slice])
        queued[index] = 0;
}

void AbstractDistanceCountingAutomatonBase::clearStepLists(uint32_t slice)
{
    QMutexLocker lock(sliceMutexes[slice].get());
    outboxBelow[slice].clear();
    outboxAbove[slice].clear();
    changes[slice].clear();
    nextFronts[slice].clear();
}

void AbstractDistanceCountingAutomatonBase::initializeSlice(uint32_t begin, uint32_t end, uint32_t slice)
{
    resetSlice(slice);
    forEachCellOfSlab(begin, end, [this, slice](const CellSite &cell) { initializeCell(cell.index, slice); });
}

void AbstractDistanceCountingAutomatonBase::stepSlice(uint32_t begin, uint32_t end, uint32_t slice)
{
    beginStep(slice);
    QMutexLocker lock(sliceMutexes[slice].get());
    Front &nextFront = nextFronts[slice];
    for (uint32_t index : fronts[slice])
        updateCell(index, begin, end, nextFront, slice);
}

void AbstractDistanceCountingAutomatonBase::handOverSlice(uint32_t, uint32_t, uint32_t slice)
{
    takeOverOutboxes(slice);
    applyChanges(slice);
    makeNextFrontCurrent(slice);
}

void AbstractDistanceCountingAutomatonBase::takeOverOutboxes(uint32_t slice)
{
    Front &nextFront = nextFronts[slice];
    if (slice > 0) {
        QMutexLocker lock(sliceMutexes[slice - 1].get());
        takeOverOutbox(outboxAbove[slice - 1], nextFront);
    }
    if (slice + 1 < sliceCount) {
        QMutexLocker lock(sliceMutexes[slice + 1].get());
        takeOverOutbox(outboxBelow[slice + 1], nextFront);
    }
}

void AbstractDistanceCountingAutomatonBase::makeNextFrontCurrent(uint32_t slice)
{
    // Cells were queued as they were found; evaluate them in ascending order.
    sortCellIndices(nextFronts[slice], sortScratch[slice]);
    std::swap(fronts[slice], nextFronts[slice]);
}

void AbstractDistanceCountingAutomatonBase::takeOverOutbox(const Front &outbox, Front &nextFront)
{
    for (uint32_t index : outbox)
        queueOwnCell(index, nextFront);
}

void AbstractDistanceCountingAutomatonBase::finalizeSlice(uint32_t begin, uint32_t end, uint32_t slice)
{
    forEachCellOfSlab(begin, end, [this, slice](const CellSite &cell) { finalizeCell(cell.index, slice); });
}

void AbstractDistanceCountingAutomatonBase::applyChanges(uint32_t slice)
{
    const std::vector<CellChange> &list = changes[slice];
    for (size_t i = 0; i < list.size(); ++i) {
        if (i + kPrefetchDistance < list.size())
            __builtin_prefetch(cells + list[i + kPrefetchDistance].index);
        applyChange(list[i]);
    }
}

AbstractDistanceCountingAutomatonBase::SharedLayers
AbstractDistanceCountingAutomatonBase::sharedLayers(uint32_t begin, uint32_t end, uint32_t slice) const
{
    const uint64_t layer = uint64_t(sizeY) * sizeZ;
    return {(slice > 0 ? begin + 1 : begin) * layer, (slice + 1 < sliceCount ? end - 1 : end) * layer};
}

void AbstractDistanceCountingAutomatonBase::applySharedLayerChanges(uint32_t begin, uint32_t end,
                                                                    uint32_t slice)
{
    // The list is ascending: the first layer's changes lead it, the last layer's end it.
    const SharedLayers shared = sharedLayers(begin, end, slice);
    const std::vector<CellChange> &list = changes[slice];
    size_t first = 0;
    for (; first < list.size() && list[first].index < shared.low; ++first)
        applyChange(list[first]);
    for (size_t i = list.size(); i > first && list[i - 1].index >= shared.high; --i)
        applyChange(list[i - 1]);
}

void AbstractDistanceCountingAutomatonBase::addNeighboursToFront(uint32_t index, uint32_t begin, uint32_t end,
                                                                 Front &nextFront, uint32_t slice)
{
    queueNeighbours(site(index), begin, end, nextFront, slice, frontMaterials());
}

} // namespace Core::Operations
