#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"

namespace Core::Operations {

IsotropicFilmDeposition::IsotropicFilmDeposition(Model::Automaton::TotalVolume &volume, uint32_t materialId,
                                                 float thickness)
    : FilmDepositionEngine(volume, materialId, thickness)
{
}

IsotropicFilmDeposition::~IsotropicFilmDeposition() = default;

} // namespace Core::Operations
