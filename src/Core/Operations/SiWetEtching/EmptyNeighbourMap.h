#pragma once

#include "Util/ParallelSlabs.h"

#include <cstdint>
#include <vector>

namespace Model::Automaton {
struct Voxel;
}

namespace Core::Operations {

// For the cells of some x layers of a volume: whether an empty cell lies in the 3 × 3 × 3
// block around the cell (cells outside the volume do not count as empty). An atom of a
// silicon lattice can lack a bonded neighbour only where this holds, since its bonds are
// shorter than a cell. Built by three passes of a 3-wide running maximum.
class EmptyNeighbourMap {
public:
    EmptyNeighbourMap(const Model::Automaton::Voxel *cells, uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ,
                      Util::SlabRange layers);

    // `cell` is a volume cell index inside the layers.
    bool nearEmpty(uint64_t cell) const { return flags[cell - firstCell] != 0; }

private:
    uint64_t firstCell;
    std::vector<uint8_t> flags;
};

} // namespace Core::Operations
