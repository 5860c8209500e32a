#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDeposition.h"

namespace Core::Operations {

MooreNeighborhoodDeposition::MooreNeighborhoodDeposition(Model::Automaton::TotalVolume &volume,
                                                         uint32_t materialId, uint32_t layers)
    : MooreNeighborhoodEngine(volume, materialId, layers)
{
    eligibleMaterials = {0};
}

MooreNeighborhoodDeposition::~MooreNeighborhoodDeposition() = default;

} // namespace Core::Operations
