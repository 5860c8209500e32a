#include "Core/Operations/DopingOperation/SimpleDoping.h"

#include "Core/Operations/DistanceCountingAutomaton/CompatibleMaterials.h"
#include "Model/Process/ProcessFactory.h"

#include <cmath>

namespace Core::Operations {

SimpleDoping::SimpleDoping(Model::Automaton::TotalVolume &volume, uint32_t dopedMaterial, float depth)
    : LimitedProcessEngine(volume, dopedMaterial, depth),
      dopableMaterials(compatibleMaterials(Model::Process::ProcessIds::kSimpleDoping))
{
}

SimpleDoping::~SimpleDoping() = default;

uint32_t SimpleDoping::iterationCount() const
{
    return truncatedIterations(double(std::ceil(limit / smallestCellSize())) * K);
}

} // namespace Core::Operations
