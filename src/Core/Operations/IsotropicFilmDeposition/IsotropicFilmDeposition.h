#pragma once

#include "Core/Operations/DistanceCountingAutomaton/FilmDepositionEngine.h"

namespace Core::Operations {

// Grows a conformal film of one material, `thickness` length units thick, over every solid
// surface: every empty cell whose propagated distance to a solid cell is at most the thickness
// gets the material. execute() runs trunc(ceilf(L / m) · K) steps, m the smallest cell size.
class IsotropicFilmDeposition final : public FilmDepositionEngine<IsotropicFilmDeposition> {
public:
    IsotropicFilmDeposition(Model::Automaton::TotalVolume &volume, uint32_t materialId, float thickness);
    ~IsotropicFilmDeposition() override;
};

} // namespace Core::Operations
