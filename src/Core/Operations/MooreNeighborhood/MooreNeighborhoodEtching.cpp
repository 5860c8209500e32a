#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtching.h"

namespace Core::Operations {

MooreNeighborhoodEtching::MooreNeighborhoodEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId,
                                                   uint32_t layers)
    : MooreNeighborhoodEngine(volume, materialId, layers)
{
    eligibleMaterials = {materialId};
}

MooreNeighborhoodEtching::~MooreNeighborhoodEtching() = default;

} // namespace Core::Operations
