#pragma once

#include <cstdint>

namespace Util {

// This machine's physical memory (4 GiB when it cannot be asked).
uint64_t physicalMemoryBytes();

// What one big structure (a cell array, a silicon lattice) may take: half the physical memory.
inline uint64_t largeStructureBudget()
{
    return physicalMemoryBytes() / 2;
}

} // namespace Util
