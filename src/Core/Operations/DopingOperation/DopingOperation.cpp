#include "Core/Operations/DopingOperation/DopingOperation.h"

#include "Core/Operations/DopingOperation/SimpleDoping.h"

namespace Core::Operations {

DopingOperation::DopingOperation(Core::Workspace &workspace)
    : FilmProcessOperation(workspace, "Doping", kOperationId, "Doping", nextInstanceNumber<DopingOperation>())
{
}

void DopingOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    SimpleDoping engine(volume, getMaterial(), getDepth());
    engine.execute();
}

} // namespace Core::Operations
