#pragma once

#include "Model/Automaton/SiLattice.h"
#include "Support/Volumes.h"

#include <vector>

// Silicon volumes for the wet etching tests: masked substrates and what their lattice holds.
namespace TestSupport {

// A size × size × (siliconHeight + mask + 3) volume: silicon below z = siliconHeight, an oxide
// mask layer on it with a centred square opening of side `square`, or (island) only the
// square covered; empty above.
inline std::shared_ptr<TotalVolume> maskedSilicon(uint32_t size, uint32_t siliconHeight, uint32_t mask,
                                                  uint32_t square, bool island = false)
{
    const uint32_t lo = (size - square) / 2, hi = lo + square;
    return makeVolume(size, size, siliconHeight + mask + 3, [=](uint32_t x, uint32_t y, uint32_t z) {
        if (z < siliconHeight)
            return kSi;
        const bool inSquare = x >= lo && x < hi && y >= lo && y < hi;
        return z < siliconHeight + mask && inSquare == island ? kOxide : 0u;
    });
}

// Every atom's state and every cell's state (material and atom count among them): what an etch
// leaves behind.
struct LatticeState {
    std::vector<uint8_t> atomStates;
    std::vector<CellState> cells;
    bool operator==(const LatticeState &o) const { return atomStates == o.atomStates && cells == o.cells; }
};

inline LatticeState latticeState(TotalVolume &volume)
{
    LatticeState state{{}, cellStates(volume)};
    const auto lattice = volume.getSiLattice();
    for (uint32_t a = 0; lattice && a < lattice->getAtomCount(); ++a)
        state.atomStates.push_back(lattice->atom(a).state);
    return state;
}

} // namespace TestSupport
