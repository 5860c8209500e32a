#include "Core/Operations/FilmProcessOperation.h"

namespace Core::Operations {

void FilmProcessOperation::setDistance(float value)
{
    distance = value;
    distanceSet = true;
}

} // namespace Core::Operations
