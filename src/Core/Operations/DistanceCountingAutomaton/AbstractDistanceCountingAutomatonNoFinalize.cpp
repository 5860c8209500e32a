#include "Core/Operations/DistanceCountingAutomaton/AbstractDistanceCountingAutomatonNoFinalize.h"

namespace Core::Operations {

void AbstractDistanceCountingAutomatonNoFinalize::run(uint32_t iterations)
{
    runPasses(iterations, false);
}

} // namespace Core::Operations
