#pragma once

#include "Core/Operations/SiWetEtching/SiWetEtchEngine.h"

namespace Core::Operations {

// The atomistic wet etch ("BCA Wet Etch"): in each step every surface atom with at most two
// bonds goes, and every three-bonded atom whose bonded neighbours have fewer than nine further
// bonds between them. Three-bonded atoms of a complete (111) surface (m = 9) stay, so (100)
// surfaces recede one atomic layer per step while {111} walls stand.
class AtomicStructureSimpleSiWetEtch final : public SiWetEtchEngine {
public:
    using SiWetEtchEngine::SiWetEtchEngine;

protected:
    bool removedInStep(uint32_t atom) override;
    // The rule keeps the same atoms every step once a step removes none.
    bool idleStepEndsRun() const override { return true; }
};

} // namespace Core::Operations
