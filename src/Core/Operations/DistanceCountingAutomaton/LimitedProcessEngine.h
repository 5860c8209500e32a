#pragma once

#include "Core/Operations/DistanceCountingAutomaton/DistanceCountingEngine.h"

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

protected:
    uint32_t materialId;
    float limit;
    float limitSquared;
};

} // namespace Core::Operations
