#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtching.h"

namespace Core::Operations {

AnisotropicFilmEtching::AnisotropicFilmEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId,
                                               float depth, float ratio)
    : FilmEtchingEngine(volume, materialId, depth)
{
    applyHorizontalRatio(ratio);
}

AnisotropicFilmEtching::~AnisotropicFilmEtching() = default;

} // namespace Core::Operations
