#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"

#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"

namespace Core::Operations {

IsotropicFilmDepositionOperation::IsotropicFilmDepositionOperation(Core::Workspace &workspace,
                                                                   std::string name)
    : FilmProcessOperation(workspace, std::move(name), kOperationId, "IsotropicDeposition",
                           nextInstanceNumber<IsotropicFilmDepositionOperation>())
{
}

void IsotropicFilmDepositionOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    IsotropicFilmDeposition engine(volume, getMaterial(), getThickness());
    engine.execute();
}

} // namespace Core::Operations
