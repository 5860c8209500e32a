#pragma once

#include "Core/Operations/DistanceCountingAutomaton/FilmDepositionEngine.h"

namespace Core::Operations {

// Grows a film whose lateral growth is `ratio` times its vertical growth (the horizontal to
// vertical ratio r): r = 1 is isotropic deposition, r = 0 grows only straight up and down.
class AnisotropicFilmDeposition final : public FilmDepositionEngine<AnisotropicFilmDeposition> {
public:
    AnisotropicFilmDeposition(Model::Automaton::TotalVolume &volume, uint32_t materialId, float thickness,
                              float ratio);
    ~AnisotropicFilmDeposition() override;
};

} // namespace Core::Operations
