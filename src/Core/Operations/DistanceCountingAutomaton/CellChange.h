#pragma once

#include "Core/Operations/DistanceCountingAutomaton/DistanceVector.h"

#include <cstdint>

namespace Core::Operations {

// A change found during one step, applied after every slab has evaluated: the cell's new
// material and distance vector (its fixed flag is left as it is).
struct CellChange {
    uint32_t index = 0;
    uint32_t materialId = 0;
    DistanceVector distance;
};

} // namespace Core::Operations
