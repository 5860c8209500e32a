#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"

#include <cmath>

namespace Core::Operations {

IsotropicFilmDeposition::IsotropicFilmDeposition(Model::Automaton::TotalVolume &volume, uint32_t materialId,
                                                 float thickness)
    : LimitedProcessEngine(volume, materialId, thickness)
{
    eligibleMaterials = {0, materialId};
}

IsotropicFilmDeposition::~IsotropicFilmDeposition() = default;

uint32_t IsotropicFilmDeposition::iterationCount() const
{
    return truncatedIterations(double(std::ceil(limit / smallestCellSize())) * K);
}

} // namespace Core::Operations
