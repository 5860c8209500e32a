#include "Core/Operations/Electrodeposition/Electrodeposition.h"

namespace Core::Operations {

Electrodeposition::Electrodeposition(Model::Automaton::TotalVolume &volume, uint32_t depositedMaterialId,
                                     uint32_t conductingMaterialId, float thickness)
    : FilmDepositionEngine(volume, depositedMaterialId, thickness), conductingMaterialId(conductingMaterialId)
{
}

Electrodeposition::~Electrodeposition() = default;

} // namespace Core::Operations
