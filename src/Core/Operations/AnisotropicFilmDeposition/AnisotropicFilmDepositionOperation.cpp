#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDepositionOperation.h"

#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDeposition.h"

namespace Core::Operations {

AnisotropicFilmDepositionOperation::AnisotropicFilmDepositionOperation(Core::Workspace &workspace)
    : DirectionalFilmOperation(workspace, "Anisotropic Deposition", kOperationId, "AnisotropicDeposition",
                               nextInstanceNumber<AnisotropicFilmDepositionOperation>())
{
}

void AnisotropicFilmDepositionOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    AnisotropicFilmDeposition(volume, getMaterial(), getThickness(), getRatio()).execute();
}

} // namespace Core::Operations
