#pragma once

#include "Core/Operations/DistanceCountingAutomaton/AbstractDistanceCountingAutomatonBase.h"

namespace Core::Operations {

// The automaton for engines whose steps decide the cells directly: no final pass.
class AbstractDistanceCountingAutomatonNoFinalize : public AbstractDistanceCountingAutomatonBase {
public:
    using AbstractDistanceCountingAutomatonBase::AbstractDistanceCountingAutomatonBase;

    void run(uint32_t iterations) override;

protected:
    void finalizeCell(uint32_t, uint32_t) override {}
};

} // namespace Core::Operations
