#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDeposition.h"

namespace Core::Operations {

AnisotropicFilmDeposition::AnisotropicFilmDeposition(Model::Automaton::TotalVolume &volume,
                                                     uint32_t materialId, float thickness, float ratio)
    : FilmDepositionEngine(volume, materialId, thickness)
{
    applyHorizontalRatio(ratio);
}

AnisotropicFilmDeposition::~AnisotropicFilmDeposition() = default;

} // namespace Core::Operations
