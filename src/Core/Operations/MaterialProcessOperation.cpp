#include "Core/Operations/MaterialProcessOperation.h"

namespace Core::Operations {

void MaterialProcessOperation::setMaterial(uint32_t value)
{
    materialId = value;
    materialSet = true;
}

} // namespace Core::Operations
