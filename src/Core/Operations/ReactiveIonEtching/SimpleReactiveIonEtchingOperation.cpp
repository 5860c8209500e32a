#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtchingOperation.h"

#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtching.h"

namespace Core::Operations {

SimpleReactiveIonEtchingOperation::SimpleReactiveIonEtchingOperation(Core::Workspace &workspace)
    : ProcessStepOperation(workspace, "Simple RIE", kOperationId)
{
}

void SimpleReactiveIonEtchingOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    SimpleReactiveIonEtching(volume, *materialId, *depth, directions).run();
}

} // namespace Core::Operations
