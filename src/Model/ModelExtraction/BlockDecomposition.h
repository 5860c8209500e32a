#pragma once

#include "Model/ModelExtraction/Block.h"

#include <deque>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Model::ModelExtraction {

// A cell volume cut into boxes of one material each. The volume is split along every plane
// where the material changes between two neighbouring cells; growing from cell 0, every box
// reaches from its corner to the next split plane on each axis. Empty space yields no block.
// Blocks whose faces touch know each other as neighbours.
class BlockDecomposition {
public:
    // Decomposes the volume under its cell lock.
    explicit BlockDecomposition(Model::Automaton::TotalVolume &volume);
    BlockDecomposition(const BlockDecomposition &) = delete;
    BlockDecomposition &operator=(const BlockDecomposition &) = delete;

    // In growth order; the neighbour pointers stay valid as long as the decomposition lives.
    const std::deque<Block> &getBlocks() const { return blocks; }
    std::vector<Block> copyBlocks() const;

private:
    void link(const Model::Automaton::TotalVolume &volume);

    std::deque<Block> blocks;
};

} // namespace Model::ModelExtraction
