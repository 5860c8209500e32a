#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"

#include <cmath>

namespace Core::Operations {

IsotropicFilmEtching::IsotropicFilmEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId,
                                           float depth)
    : FilmEtchingEngine(volume, materialId, depth)
{
}

IsotropicFilmEtching::~IsotropicFilmEtching() = default;

uint32_t IsotropicFilmEtching::iterationCount() const
{
    return truncatedIterations(std::ceil(double(limit) * K / double(smallestCellSize())));
}

} // namespace Core::Operations
