#include "Core/Operations/DistanceCountingAutomaton/CompatibleMaterials.h"

#include "Model/Process/ProcessFactory.h"

namespace Core::Operations {

MaterialIdSet compatibleMaterials(uint32_t processId)
{
    MaterialIdSet materials;
    for (uint32_t id :
         Model::Process::ProcessFactory::instance()->getProcess(processId).getCompatibleMaterials())
        materials.insert(id);
    return materials;
}

} // namespace Core::Operations
