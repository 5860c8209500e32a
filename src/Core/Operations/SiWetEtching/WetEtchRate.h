#pragma once

#include <cstdint>

namespace Model::Automaton {
class SiLattice;
}

namespace Core::Operations {

// The neighbourhood of a present surface atom a, as the continuous etch classifies it. Only
// bond slots holding an atom that is not removed count. First neighbours b are bulk when fixed
// or fully bonded (n(b) = 4), else surface; second neighbours are the atoms d bonded to a
// first neighbour (d ≠ a, not removed), classified the same way.
struct SiNeighbourhood {
    uint32_t s1 = 0;
    uint32_t b1 = 0;
    uint32_t s2 = 0;
    uint32_t b2 = 0;

    static SiNeighbourhood of(const Model::Automaton::SiLattice &lattice, uint32_t atom);
    uint32_t firstNeighbours() const { return s1 + b1; }
};

// The removal rate r(s1, b1, s2, b2) of the continuous wet etch: the occupation a surface atom
// loses per unit time (one step lasts dt = 0.1), fitted so that on this lattice the etch
// behaves like 30 % KOH at 70 °C, which etches (100) at 0.797, (110) at 1.455 and (111) at
// 0.005 µm/min (K. Sato et al., Sensors and Actuators A 64 (1998) 87–93).
//
// The classes and their rates follow the step-flow picture of the continuous cellular
// automata for anisotropic etching (Z. Zhu, C. Liu, CMES 1 (2000) 11–20; Y. Xing,
// M. A. Gosálvez, K. Sato, ICNC 2008): atomic removal rates are per neighbourhood class and are
// derived from the macroscopic rates of a few orientations.
//  * n = s1 + b1 ≤ 2: the atoms of (100) terraces (s1 0, b1 2, s2 2, b2 4), kinks and
//    loose atoms. Rate 1/dt: gone in the step they are seen, so (100) recedes one atomic layer
//    (a/4 = 0.136 nm) per step, which fixes the time scale: one step ≈ 0.0102 s of KOH.
//  * n = 3 with a surface first neighbour (b1 < 3): (110) terraces (s1 2, b1 1, s2 2, b2 5)
//    and the step edges of (111) terraces. Rate 1/dt as well. (110) then recedes one (110) layer
//    (a/(2√2)) per step, √2 ≈ 1.41 times the (100) rate; KOH's 1.83 would need more than one
//    layer per step, which a removal that exposes its neighbours only for the next step cannot
//    give.
//  * n = 3 with three bulk first neighbours (b1 = 3): (111) terrace atoms (s1 0, b1 3, s2 6,
//    b2 3). Such an atom lasts kTerraceSteps steps; once one goes, the step it opens flows
//    across the terrace at the fast rates above. A (111) bilayer (a/√3 = 0.314 nm) thus goes
//    in about kTerraceSteps + 2 steps, and R(100)/R(111) = (a/4)/(a/√3) · (kTerraceSteps + 2)
//    = 0.797 / 0.005 = 159 gives kTerraceSteps = 366. Measured on the lattice (the undercut of
//    a 12-cell groove's {111} walls over 3200 steps) the ratio comes out near 200: the step flow
//    across a terrace takes steps of its own.
// The fast classes remove an atom in one step exactly as the atomistic etch does; the
// continuous etch differs from it only in letting (111) terraces dissolve slowly.
double wetEtchRate(const SiNeighbourhood &neighbourhood);

// Steps a (111) terrace atom lasts, and the time step of the continuous etch.
constexpr uint32_t kTerraceSteps = 366;
constexpr double kWetEtchTimeStep = 0.1;

} // namespace Core::Operations
