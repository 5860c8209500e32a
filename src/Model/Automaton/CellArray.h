#pragma once

#include "Model/Automaton/Voxel.h"

#include <cstddef>
#include <memory>

namespace Model::Automaton {

// Frees a cell array made by allocateCells.
struct CellArrayDeleter {
    void operator()(Voxel *cells) const;
};

using CellArray = std::unique_ptr<Voxel[], CellArrayDeleter>;

// `count` empty cells (every byte zero, which is a default cell) in memory the system hands out
// already zeroed: nothing is written until a cell is first used, and large arrays are asked for
// in large pages, so that first use faults far less often. Throws std::bad_alloc when the memory
// cannot be had.
CellArray allocateCells(size_t count);

} // namespace Model::Automaton
