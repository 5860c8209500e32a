#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDepositionOperation.h"

#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDeposition.h"

namespace Core::Operations {

MooreNeighborhoodDepositionOperation::MooreNeighborhoodDepositionOperation(Core::Workspace &workspace)
    : MooreNeighborhoodOperation(workspace, "Moore film deposition", kOperationId, "MooreFilmDep",
                                 nextInstanceNumber<MooreNeighborhoodDepositionOperation>())
{
}

void MooreNeighborhoodDepositionOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    MooreNeighborhoodDeposition(volume, getMaterial(), getCount()).execute();
}

} // namespace Core::Operations
