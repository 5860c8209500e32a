#include "Core/Operations/SiWetEtching/AtomicStructureSimpleSiWetEtch.h"

#include "Model/Automaton/SiLattice.h"

namespace Core::Operations {

bool AtomicStructureSimpleSiWetEtch::removedInStep(uint32_t atom)
{
    const uint32_t bonded = lattice->bondedCount(atom);
    if (bonded >= 4)
        return false;
    return bonded < 3 || lattice->secondNeighbourCount(atom) < 9;
}

} // namespace Core::Operations
