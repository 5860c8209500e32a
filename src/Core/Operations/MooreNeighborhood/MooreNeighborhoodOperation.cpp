#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodOperation.h"

namespace Core::Operations {

void MooreNeighborhoodOperation::setCount(uint32_t layers)
{
    count = layers;
    countSet = true;
}

} // namespace Core::Operations
