#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtchingOperation.h"

#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"

namespace Core::Operations {

IsotropicFilmEtchingOperation::IsotropicFilmEtchingOperation(Core::Workspace &workspace)
    : FilmProcessOperation(workspace, "Isotropic Etching", kOperationId, "IsotropicEtching",
                           nextInstanceNumber<IsotropicFilmEtchingOperation>())
{
}

void IsotropicFilmEtchingOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    IsotropicFilmEtching engine(volume, getMaterial(), getDepth());
    engine.execute();
}

} // namespace Core::Operations
