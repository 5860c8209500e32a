#pragma once

#include "Core/Operations/DistanceCountingAutomaton/MaterialIdSet.h"

#include <cstdint>

namespace Core::Operations {

// The materials a process of the process catalogue may act on, as a set (empty for a process
// the catalogue does not hold).
MaterialIdSet compatibleMaterials(uint32_t processId);

} // namespace Core::Operations
