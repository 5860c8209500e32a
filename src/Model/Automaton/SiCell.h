#pragma once

#include <cstdint>

namespace Model::Automaton {

// One unit cell of a silicon lattice: its place (i, j, k) in the lattice grid. Its eight atoms
// are atoms 8c .. 8c + 7 of the lattice, c being the cell's index in the lattice.
struct SiCell {
    uint32_t i = 0;
    uint32_t j = 0;
    uint32_t k = 0;
};

} // namespace Model::Automaton
