#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtchingOperation.h"

#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtching.h"

namespace Core::Operations {

MooreNeighborhoodEtchingOperation::MooreNeighborhoodEtchingOperation(Core::Workspace &workspace)
    : MooreNeighborhoodOperation(workspace, "Moore film deposition", kOperationId, "MooreFilmEtch",
                                 nextInstanceNumber<MooreNeighborhoodEtchingOperation>())
{
}

void MooreNeighborhoodEtchingOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    MooreNeighborhoodEtching(volume, getMaterial(), getCount()).execute();
}

} // namespace Core::Operations
