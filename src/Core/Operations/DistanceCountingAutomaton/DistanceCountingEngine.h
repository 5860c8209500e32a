#pragma once

#include "Core/Operations/DistanceCountingAutomaton/AbstractDistanceCountingAutomatonNoFinalize.h"

#include <QMutexLocker>

#include <limits>
#include <type_traits>

namespace Core::Operations {

// Runs an engine's per-cell rules in the automaton's slab loops with direct (inlinable) calls
// instead of one virtual call per cell. The engine derives from
// `DistanceCountingEngine<Engine, Base>`, is declared final and supplies:
//   void initializeCellAt(const CellSite &cell, uint32_t slice);
//   void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice);
// and, with `AbstractDistanceCountingAutomatonBase` as Base, also
//   void finalizeCellAt(const CellSite &cell, uint32_t slice);
// An engine that keeps the base's `addNeighboursToFront` has its steps run by `sweepFront`, which
// queues only the neighbours a change can shorten, and supplies the squared limit its `relax`
// applies to a cell (the default, no limit, only queues more):
//   float limitSquaredAt(const Voxel &voxel) const;
// Its `updateCellAt` must change cells only through `relax` with that limit and `changeCell`,
// skip a cell only for good (fixed, or a material outside `frontMaterials()`), and its first
// front must hold every cell a neighbour can shorten. Engines with other rules override
// `addNeighboursToFront` and keep the plain two-half step.
// The engine befriends `Rules` when it keeps these rules non-public. Rules defined inline (in the
// header) are inlined into the loops; out-of-line ones still work, through a call per cell. The virtual
// per-cell slots of the base are still served (they decode the index and forward).
template <class Engine, class Base = AbstractDistanceCountingAutomatonNoFinalize>
class DistanceCountingEngine : public Base {
    static_assert(std::is_base_of_v<AbstractDistanceCountingAutomatonBase, Base>,
                  "the base must be one of the automaton bases");

public:
    using Base::Base;
    using Rules = DistanceCountingEngine;

protected:
    // Flattened: the engine's rules are inlined into the loops over every cell and every front cell.
    [[gnu::flatten]] void initializeSlice(uint32_t begin, uint32_t end, uint32_t slice) override
    {
        this->resetSlice(slice);
        this->forEachCellOfSlab(
            begin, end, [this, slice](const CellSite &cell) { engine().initializeCellAt(cell, slice); });
    }

    [[gnu::flatten]] void stepSlice(uint32_t begin, uint32_t end, uint32_t slice) override
    {
        if constexpr (queuesWhileEvaluating()) {
            this->beginStep(slice);
            QMutexLocker lock(this->sliceMutexes[slice].get());
            Front &nextFront = this->nextFrontOf(slice);
            const Front &front = this->fronts[slice];
            const size_t count = front.size();
            for (size_t i = 0; i < count; ++i) {
                if (i + this->kPrefetchDistance < count)
                    this->prefetchNeighbourhood(front[i + this->kPrefetchDistance]);
                engine().updateCellAt(this->site(front[i]), begin, end, nextFront, slice);
            }
        } else {
            this->sweepFront(
                begin, end, slice,
                [&](const CellSite &cell, Front &nextFront) {
                    engine().updateCellAt(cell, begin, end, nextFront, slice);
                },
                engine().frontMaterials(),
                [this](const Model::Automaton::Voxel &cell) { return engine().limitSquaredAt(cell); });
        }
    }

    [[gnu::flatten]] void finalizeSlice(uint32_t begin, uint32_t end, uint32_t slice) override
    {
        this->forEachCellOfSlab(
            begin, end, [this, slice](const CellSite &cell) { engine().finalizeCellAt(cell, slice); });
    }

    void initializeCell(uint32_t index, uint32_t slice) override
    {
        engine().initializeCellAt(this->site(index), slice);
    }

    void updateCell(uint32_t index, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice) override
    {
        engine().updateCellAt(this->site(index), begin, end, nextFront, slice);
    }

    void finalizeCell(uint32_t index, uint32_t slice) override
    {
        engine().finalizeCellAt(this->site(index), slice);
    }

    // Engines of the no-finalize family have no final rule.
    void finalizeCellAt(const CellSite &, uint32_t) {}

    // The squared limit the engine's `relax` applies to the cell; see the contract above.
    float limitSquaredAt(const Model::Automaton::Voxel &) const
    {
        return std::numeric_limits<float>::infinity();
    }

    // Records the cell's change for this step. An engine that overrides `addNeighboursToFront`
    // queues its neighbours through it now; for the others the step queues the cells the
    // change can shorten once they are settled (see `sweepFront`).
    void changeCell(const CellSite &cell, uint32_t materialId, const DistanceVector &distance, uint32_t begin,
                    uint32_t end, Front &nextFront, uint32_t slice)
    {
        this->changes[slice].push_back({cell.index, materialId, distance});
        if constexpr (queuesWhileEvaluating())
            engine().addNeighboursToFront(cell.index, begin, end, nextFront, slice);
    }

    // Engines that queue while evaluating hand over as the base does; the others' changes are
    // applied during the step but for those of the layers the neighbouring slabs read.
    [[gnu::flatten]] void handOverSlice(uint32_t begin, uint32_t end, uint32_t slice) override
    {
        if constexpr (queuesWhileEvaluating()) {
            Base::handOverSlice(begin, end, slice);
        } else {
            this->takeOverOutboxes(slice);
            this->applySharedLayerChanges(begin, end, slice);
            this->makeNextFrontCurrent(slice);
        }
    }

private:
    Engine &engine() { return static_cast<Engine &>(*this); }
    const Engine &engine() const { return static_cast<const Engine &>(*this); }
    static constexpr bool queuesWhileEvaluating()
    {
        return !std::is_same_v<decltype(&Engine::addNeighboursToFront),
                               decltype(&DistanceCountingEngine::addNeighboursToFront)>;
    }
};

} // namespace Core::Operations
