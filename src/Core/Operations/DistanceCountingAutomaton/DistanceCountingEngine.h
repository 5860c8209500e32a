#pragma once

#include "Core/Operations/DistanceCountingAutomaton/AbstractDistanceCountingAutomatonNoFinalize.h"

#include <QMutexLocker>

#include <type_traits>

namespace Core::Operations {

// Runs an engine's per-cell rules in the automaton's slab loops with direct (inlinable) calls
// instead of one virtual call per cell. The engine derives from
// `DistanceCountingEngine<Engine, Base>`, is declared final and supplies:
//   void initializeCellAt(const CellSite &cell, uint32_t slice);
//   void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice);
// and, with `AbstractDistanceCountingAutomatonBase` as Base, also
//   void finalizeCellAt(const CellSite &cell, uint32_t slice);
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

    // Records the cell's change for this step and queues its neighbours (through the engine's
    // `addNeighboursToFront`, which some engines override).
    void changeCell(const CellSite &cell, uint32_t materialId, const DistanceVector &distance, uint32_t begin,
                    uint32_t end, Front &nextFront, uint32_t slice)
    {
        this->changes[slice].push_back({cell.index, materialId, distance});
        // An engine that keeps the base's `addNeighboursToFront` gets it inlined.
        if constexpr (std::is_same_v<decltype(&Engine::addNeighboursToFront),
                                     decltype(&DistanceCountingEngine::addNeighboursToFront)>)
            this->queueNeighbours(cell, begin, end, nextFront, slice, this->eligibleMaterials);
        else
            engine().addNeighboursToFront(cell.index, begin, end, nextFront, slice);
    }

private:
    Engine &engine() { return static_cast<Engine &>(*this); }
};

} // namespace Core::Operations
