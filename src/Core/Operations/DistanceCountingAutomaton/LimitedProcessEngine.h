#pragma once

#include "Core/Operations/DistanceCountingAutomaton/DistanceCountingEngine.h"

#include <cmath>

namespace Core::Operations {

// The fields every process engine of the family carries: the process material and the limit L
// (film thickness, etch depth, doping depth, in length units) with its square. `execute` runs
// as many steps as the engine's `iterationCount()` gives.
template <class Engine, class Base = AbstractDistanceCountingAutomatonNoFinalize>
class LimitedProcessEngine : public DistanceCountingEngine<Engine, Base> {
public:
    LimitedProcessEngine(Model::Automaton::TotalVolume &volume, uint32_t materialId, float limit)
        : DistanceCountingEngine<Engine, Base>(volume), materialId(materialId), limit(limit),
          limitSquared(limit * limit)
    {
    }

    void execute() { this->run(static_cast<const Engine &>(*this).iterationCount()); }

    // The usual step count: trunc(ceilf(L / m) · K), m the smallest of the engine's cell sizes
    // (the limit rounded up to whole layers, then enough steps to reach a layer's diagonals).
    // Engines that count differently hide it with their own.
    uint32_t iterationCount() const
    {
        return this->truncatedIterations(double(std::ceil(limit / this->smallestCellSize()))
                                         * AbstractDistanceCountingAutomatonBase::K);
    }

    // Every cell has the same limit.
    float limitSquaredAt(const Model::Automaton::Voxel &) const { return limitSquared; }

protected:
    // Makes lateral growth or removal r times the vertical one: the engine's own x and y cell
    // sizes are divided by r, so a lateral step counts 1/r times its length. With r <= 0 (or
    // not a number) they become 2L, so that no lateral step ever stays within the limit. The
    // volume's cell sizes are not touched.
    void applyHorizontalRatio(float ratio)
    {
        if (ratio > 0.0f) {
            this->cellSizeX /= ratio;
            this->cellSizeY /= ratio;
        } else {
            this->cellSizeX = this->cellSizeY = 2.0f * limit;
        }
        this->buildStepVectors();
    }

    uint32_t materialId;
    float limit;
    float limitSquared;
};

} // namespace Core::Operations
