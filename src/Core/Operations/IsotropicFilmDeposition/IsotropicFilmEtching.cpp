#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"

#include <cmath>

namespace Core::Operations {

IsotropicFilmEtching::IsotropicFilmEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId,
                                           float depth)
    : DistanceCountingEngine(volume), materialId(materialId), limit(depth), limitSquared(depth * depth)
{
    eligibleMaterials = {0, materialId};
}

IsotropicFilmEtching::~IsotropicFilmEtching() = default;

uint32_t IsotropicFilmEtching::iterationCount() const
{
    return truncatedIterations(std::ceil(double(limit) * K / double(smallestCellSize())));
}

void IsotropicFilmEtching::execute()
{
    run(iterationCount());
}

} // namespace Core::Operations
