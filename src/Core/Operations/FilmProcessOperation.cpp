#include "Core/Operations/FilmProcessOperation.h"

namespace Core::Operations {

void FilmProcessOperation::setMaterial(uint32_t value)
{
    materialId = value;
    materialSet = true;
}

void FilmProcessOperation::setDistance(float value)
{
    distance = value;
    distanceSet = true;
}

} // namespace Core::Operations
