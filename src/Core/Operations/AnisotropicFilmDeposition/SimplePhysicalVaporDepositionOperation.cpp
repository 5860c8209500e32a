#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDepositionOperation.h"

namespace Core::Operations {

SimplePhysicalVaporDepositionOperation::SimplePhysicalVaporDepositionOperation(Core::Workspace &workspace)
    : DirectionalFilmOperation(workspace, "Isotropic Deposition", kOperationId, "PhysicalVaporDeposition",
                               nextInstanceNumber<SimplePhysicalVaporDepositionOperation>())
{
}

void SimplePhysicalVaporDepositionOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    SimplePhysicalVaporDeposition(volume, getMaterial(), getThickness(), getRatio(), side).execute();
}

} // namespace Core::Operations
