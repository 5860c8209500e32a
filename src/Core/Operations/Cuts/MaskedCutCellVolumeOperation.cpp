#include "Core/Operations/Cuts/MaskedCutCellVolumeOperation.h"

#include "Core/Operations/Cuts/ColumnCutStep.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

using Model::Automaton::ImageMask;

MaskedCutCellVolumeOperation::MaskedCutCellVolumeOperation(Core::Workspace &workspace)
    : VolumeStepMachine(workspace, "Masked Cut", kOperationId, {"Cut planes changed.", "Operation Canceled!"})
{
}

void MaskedCutCellVolumeOperation::apply(Model::Automaton::TotalVolume &)
{
    cutWith(true);
}

int MaskedCutCellVolumeOperation::undo()
{
    cutWith(false);
    postNamedMessage("Cut planes changed.");
    return 1;
}

void MaskedCutCellVolumeOperation::redo()
{
    cutWith(true);
    postNamedMessage("Cut planes changed.");
}

void MaskedCutCellVolumeOperation::setMask(const ImageMask &value)
{
    mask = value;
    showMask(value);
}

void MaskedCutCellVolumeOperation::showMask(const ImageMask &shown)
{
    if (const auto volume = getVolume()) {
        volume->setTopMask(shown);
        workspace.requestRedraw();
    }
}

void MaskedCutCellVolumeOperation::cutWith(bool cut)
{
    const auto volume = getVolume();
    if (volume && mask)
        applyColumnCut(workspace, *volume, *mask,
                       cut ? CutCellVolume::Mode::Cut : CutCellVolume::Mode::Uncut);
}

} // namespace Core::Operations
