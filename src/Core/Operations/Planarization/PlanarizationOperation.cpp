#include "Core/Operations/Planarization/PlanarizationOperation.h"

#include "Core/Operations/Planarization/Planarization.h"

namespace Core::Operations {

PlanarizationOperation::PlanarizationOperation(Core::Workspace &workspace)
    : ProcessStepOperation(workspace, "Planarization", kOperationId, "Operation canceled!")
{
}

void PlanarizationOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    Planarization(volume, *maximumHeight, *minimumHeight).run();
}

} // namespace Core::Operations
