#pragma once

#include "Core/Operations/DistanceCountingAutomaton/FilmEtchingEngine.h"

namespace Core::Operations {

// Etches one material with a lateral removal `ratio` times the vertical one: r = 0 etches only
// straight down (and up), r = 1 as isotropic etching does.
class AnisotropicFilmEtching final : public FilmEtchingEngine<AnisotropicFilmEtching> {
public:
    AnisotropicFilmEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId, float depth,
                           float ratio);
    ~AnisotropicFilmEtching() override;
};

} // namespace Core::Operations
