#include "Core/Operations/SiWetEtching/ContinuosWetEtching.h"

#include "Core/Operations/SiWetEtching/WetEtchRate.h"
#include "Model/Automaton/SiLattice.h"

namespace Core::Operations {

bool ContinuosWetEtching::removedInStep(uint32_t index)
{
    const SiNeighbourhood neighbourhood = SiNeighbourhood::of(*lattice, index);
    if (neighbourhood.firstNeighbours() >= 4)
        return false;
    Model::Automaton::SiAtom &atom = lattice->atom(index);
    const double left = double(atom.occupation) - kWetEtchTimeStep * wetEtchRate(neighbourhood);
    if (left >= kSmallestOccupation) {
        atom.occupation = float(left);
        return false;
    }
    atom.occupation = 0.0f;
    return true;
}

} // namespace Core::Operations
