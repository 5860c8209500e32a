#pragma once

#include <cstdint>

namespace Model::Automaton {

// One atom of a volume's silicon lattice. Atoms refer to each other by their index in the
// lattice's atom array; an atom's unit cell and position follow from its index (unit cell
// index / 8, basis atom index % 8), so neither is stored.
struct SiAtom {
    // A bond slot without an atom (the neighbour's site is empty).
    static constexpr uint32_t kNone = 0xFFFFFFFFu;
    // A bond slot leading to a fixed atom that the lattice does not hold: the neighbour's site
    // lies outside the volume or in a cell of another material.
    static constexpr uint32_t kFixedNeighbour = 0xFFFFFFFEu;

    enum State : uint8_t {
        Removed = 0,
        Present = 1,
        Fixed = 3, // in another material or outside the volume: fully bonded, never removed
    };

    // Slots s and 3 - s are opposite directions of the tetrahedral bond set.
    uint32_t bonds[4] = {kNone, kNone, kNone, kNone};
    // The volume cell holding the atom, or -1 when it lies outside the volume.
    int32_t cellIndex = -1;
    // What is left of the atom while the continuous etch wears it away (1 whole, 0 gone).
    float occupation = 1.0f;
    uint8_t state = Removed;
};

static_assert(sizeof(SiAtom) == 28, "an atom must stay 28 bytes");

} // namespace Model::Automaton
