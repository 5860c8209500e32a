#pragma once

#include "Core/Operations/DistanceCountingAutomaton/DistanceCountingEngine.h"
#include "Core/Operations/MooreNeighborhood/MooreSourceWindow.h"

#include <algorithm>
#include <vector>

namespace Core::Operations {

// Layer-by-layer growth or removal over the 26-cell Moore neighbourhood (faces, edges and
// corners), on the automaton's slabs, fronts and two-phase steps; no distance vectors. Each
// step changes every front cell that is still a target and queues its target neighbours, so
// after n steps exactly the targets within Chebyshev distance n (through targets) of a source
// have changed, whatever the slab count. The engine supplies, inline:
//   bool isSource(const Voxel &) const;  // cells the process starts from
//   bool isTarget(const Voxel &) const;  // cells the process changes
//   uint32_t newMaterial() const;        // what a target becomes
template <class Engine> class MooreNeighborhoodEngine : public DistanceCountingEngine<Engine> {
public:
    MooreNeighborhoodEngine(Model::Automaton::TotalVolume &volume, uint32_t materialId, uint32_t layers)
        : DistanceCountingEngine<Engine>(volume), materialId(materialId), layers(layers),
          windows(this->getSliceCount())
    {
        for (MooreSourceWindow &window : windows)
            window.reset(this->sizeX, this->sizeY, this->sizeZ);
    }

    // One step per layer; the run ends early when nothing is left to change.
    void execute() { this->run(layers); }

protected:
    friend DistanceCountingEngine<Engine>;

    // A target with a source among its in-volume Moore neighbours starts the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice)
    {
        if (!engine().isTarget(this->cells[cell.index]))
            return;
        const uint8_t *near = windows[slice].nearSource(
            cell.x, this->cells, [this](const Model::Automaton::Voxel &v) { return engine().isSource(v); });
        if (near[size_t(cell.y) * this->sizeZ + cell.z])
            this->addToFront(cell.index, slice);
    }

    // A front cell that is still a target changes this step; its target neighbours are next.
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice)
    {
        if (!engine().isTarget(this->cells[cell.index]))
            return;
        this->changes[slice].push_back({cell.index, engine().newMaterial(), {}});
        queueMooreNeighbours(cell, begin, end, nextFront, slice);
    }

    // Each pass starts its slab's window afresh (the cells may have changed since the last one).
    void initializeSlice(uint32_t begin, uint32_t end, uint32_t slice) override
    {
        windows[slice].reset(this->sizeX, this->sizeY, this->sizeZ);
        DistanceCountingEngine<Engine>::initializeSlice(begin, end, slice);
    }

    // Only the material changes; the cells' distance vectors are not used.
    void applyChanges(uint32_t slice) override
    {
        for (const CellChange &change : this->changes[slice])
            this->cells[change.index].materialId = change.materialId;
    }

    void addNeighboursToFront(uint32_t index, uint32_t begin, uint32_t end, Front &nextFront,
                              uint32_t slice) override
    {
        queueMooreNeighbours(this->site(index), begin, end, nextFront, slice);
    }

    uint32_t materialId;
    uint32_t layers;

private:
    Engine &engine() { return static_cast<Engine &>(*this); }
    size_t layerArea() const { return size_t(this->sizeY) * this->sizeZ; }

    // Queues the cell's target Moore neighbours: in the next front when inside [begin, end),
    // else in the outbox towards the neighbouring slab.
    void queueMooreNeighbours(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront,
                              uint32_t slice)
    {
        const int64_t layer = int64_t(layerArea());
        const int64_t column = this->sizeZ;
        const uint32_t x0 = cell.x > 0 ? cell.x - 1 : 0, x1 = std::min(cell.x + 1, this->sizeX - 1);
        const uint32_t y0 = cell.y > 0 ? cell.y - 1 : 0, y1 = std::min(cell.y + 1, this->sizeY - 1);
        const uint32_t z0 = cell.z > 0 ? cell.z - 1 : 0, z1 = std::min(cell.z + 1, this->sizeZ - 1);
        for (uint32_t x = x0; x <= x1; ++x) {
            Front *outbox = x < begin  ? &this->outboxBelow[slice]
                            : x >= end ? &this->outboxAbove[slice]
                                       : nullptr;
            for (uint32_t y = y0; y <= y1; ++y) {
                const int64_t base = int64_t(x) * layer + int64_t(y) * column;
                for (uint32_t z = z0; z <= z1; ++z) {
                    const uint32_t index = uint32_t(base + z);
                    if (index == cell.index || !engine().isTarget(this->cells[index]))
                        continue;
                    if (outbox)
                        outbox->push_back(index);
                    else
                        this->queueOwnCell(index, nextFront);
                }
            }
        }
    }

    std::vector<MooreSourceWindow> windows;
};

} // namespace Core::Operations
