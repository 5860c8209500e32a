#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtchingOperation.h"

#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtching.h"

namespace Core::Operations {

SimpleReactiveIonEtchingOperation::SimpleReactiveIonEtchingOperation(Core::Workspace &workspace)
    : WithMaterial(workspace, "Simple RIE", kOperationId)
{
}

void SimpleReactiveIonEtchingOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    SimpleReactiveIonEtching(volume, getMaterial(), *depth, directions).run();
}

} // namespace Core::Operations
