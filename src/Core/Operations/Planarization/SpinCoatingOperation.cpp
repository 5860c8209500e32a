#include "Core/Operations/Planarization/SpinCoatingOperation.h"

#include "Core/Operations/Planarization/SpinCoating.h"

namespace Core::Operations {

SpinCoatingOperation::SpinCoatingOperation(Core::Workspace &workspace)
    : WithMaterial(workspace, "Spin Coating", kOperationId)
{
}

void SpinCoatingOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    SpinCoating(volume, getMaterial(), *height).run();
}

} // namespace Core::Operations
