#pragma once

#include "Core/Operations/DistanceCountingAutomaton/FilmEtchingEngine.h"

namespace Core::Operations {

// Removes one material to `depth` length units from every surface that touches empty space,
// through that material only: other materials stop the etch.
class IsotropicFilmEtching final : public FilmEtchingEngine<IsotropicFilmEtching> {
public:
    IsotropicFilmEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId, float depth);
    ~IsotropicFilmEtching() override;

    // execute() runs trunc(ceil(L · K / m)) steps, m the smallest cell size.
    uint32_t iterationCount() const;
};

} // namespace Core::Operations
