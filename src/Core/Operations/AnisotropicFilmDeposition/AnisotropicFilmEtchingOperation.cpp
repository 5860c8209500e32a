#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtchingOperation.h"

#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtching.h"

namespace Core::Operations {

AnisotropicFilmEtchingOperation::AnisotropicFilmEtchingOperation(Core::Workspace &workspace)
    : DirectionalFilmOperation(workspace, "Anisotropic Etching", kOperationId, "AnisotropicEtching",
                               nextInstanceNumber<AnisotropicFilmEtchingOperation>())
{
}

void AnisotropicFilmEtchingOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    AnisotropicFilmEtching(volume, getMaterial(), getDepth(), getRatio()).execute();
}

} // namespace Core::Operations
