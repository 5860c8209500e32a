#pragma once

#include "Core/Operations/SiWetEtching/SiWetEtchEngine.h"

namespace Core::Operations {

// The continuous wet etch ("Continuous Wet Etch"): every surface atom carries an occupation
// from 1 down to 0; each step a surface atom that is not fully bonded loses dt · r of it, r
// the rate of its neighbourhood class (wetEtchRate), and goes in the step its occupation falls
// below 1e-6.
class ContinuosWetEtching final : public SiWetEtchEngine {
public:
    static constexpr double kSmallestOccupation = 1e-6;

    using SiWetEtchEngine::SiWetEtchEngine;

protected:
    bool removedInStep(uint32_t atom) override;
    // Occupations keep falling while nothing is removed.
    bool idleStepEndsRun() const override { return false; }
};

} // namespace Core::Operations
