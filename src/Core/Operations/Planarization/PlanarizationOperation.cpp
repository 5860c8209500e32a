#include "Core/Operations/Planarization/PlanarizationOperation.h"

#include "Core/Operations/Planarization/Planarization.h"

namespace Core::Operations {

PlanarizationOperation::PlanarizationOperation(Core::Workspace &workspace)
    : ProcessStepOperation(workspace, "Planarization", kOperationId, "Operation canceled!")
{
}

void PlanarizationOperation::setMaximumHeight(uint32_t height)
{
    maximumHeight = height;
    maximumSet = true;
}

void PlanarizationOperation::setMinimumHeight(uint32_t height)
{
    minimumHeight = height;
    minimumSet = true;
}

void PlanarizationOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    Planarization(volume, maximumHeight, minimumHeight).run();
}

} // namespace Core::Operations
