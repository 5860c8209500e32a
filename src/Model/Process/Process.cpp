#include "Model/Process/Process.h"

#include <algorithm>

namespace Model::Process {

void Process::removeCompatibleMaterial(uint32_t materialId)
{
    const auto found = std::find(compatibleMaterials.begin(), compatibleMaterials.end(), materialId);
    if (found != compatibleMaterials.end())
        compatibleMaterials.erase(found);
}

bool Process::isCompatible(uint32_t materialId) const
{
    return std::find(compatibleMaterials.begin(), compatibleMaterials.end(), materialId)
           != compatibleMaterials.end();
}

} // namespace Model::Process
