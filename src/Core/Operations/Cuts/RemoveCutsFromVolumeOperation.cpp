#include "Core/Operations/Cuts/RemoveCutsFromVolumeOperation.h"

#include "Core/Operations/Cuts/ColumnCutStep.h"

namespace Core::Operations {

RemoveCutsFromVolumeOperation::RemoveCutsFromVolumeOperation(Core::Workspace &workspace)
    : VolumeStepOperation(workspace, "Remove Cuts", kOperationId,
                          {"Cut planes changed.", "Operation Canceled!"})
{
}

void RemoveCutsFromVolumeOperation::apply(Model::Automaton::TotalVolume &volume)
{
    // An empty mask marks every column.
    applyColumnCut(workspace, volume, Model::Automaton::ImageMask(), CutCellVolume::Mode::Reset);
}

} // namespace Core::Operations
