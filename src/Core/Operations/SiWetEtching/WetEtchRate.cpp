#include "Core/Operations/SiWetEtching/WetEtchRate.h"

#include "Model/Automaton/SiLattice.h"

namespace Core::Operations {
namespace {

using Model::Automaton::SiAtom;
using Model::Automaton::SiLattice;

// Whether the atom a bond slot leads to is fixed or fully bonded (the slot holds an atom).
bool isBulk(const SiLattice &lattice, uint32_t slot)
{
    return lattice.stateAt(slot) == SiAtom::Fixed || lattice.bondedCount(slot) == 4;
}

bool holdsAtom(const SiLattice &lattice, uint32_t slot)
{
    return lattice.stateAt(slot) != SiAtom::Removed;
}

} // namespace

SiNeighbourhood SiNeighbourhood::of(const SiLattice &lattice, uint32_t atom)
{
    SiNeighbourhood n;
    for (uint32_t first : lattice.atom(atom).bonds) {
        if (!holdsAtom(lattice, first))
            continue;
        (isBulk(lattice, first) ? n.b1 : n.s1) += 1;
        if (first == SiAtom::kFixedNeighbour) {
            // An atom the lattice does not hold: its three other neighbours count as bulk.
            n.b2 += 3;
            continue;
        }
        for (uint32_t second : lattice.atom(first).bonds) {
            if (second == atom || !holdsAtom(lattice, second))
                continue;
            (isBulk(lattice, second) ? n.b2 : n.s2) += 1;
        }
    }
    return n;
}

double wetEtchRate(const SiNeighbourhood &n)
{
    const double fast = 1.0 / kWetEtchTimeStep;
    if (n.firstNeighbours() <= 2 || n.b1 < 3)
        return fast;
    // Half a step short of kTerraceSteps, so that rounding never adds or saves a step.
    return 1.0 / (kWetEtchTimeStep * (double(kTerraceSteps) - 0.5));
}

} // namespace Core::Operations
