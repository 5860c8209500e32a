#include "Core/Operations/Cuts/MaskedCutCellVolumeOperation.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Operations/Cuts/ColumnCutStep.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

using Model::Automaton::ImageMask;

MaskedCutCellVolumeOperation::MaskedCutCellVolumeOperation(Core::Workspace &workspace)
    : ObjectOperation(workspace, "Masked Cut", kOperationId)
{
}

void MaskedCutCellVolumeOperation::execute()
{
    if (volume || ended)
        return;
    volume = chooseCellVolume(*this, workspace);
    if (!volume)
        return;
    notifyObservers();
    finish();
}

void MaskedCutCellVolumeOperation::cancel()
{
    if (ended)
        return;
    ended = true;
    showMask(ImageMask());
    postNamedMessage("Operation Canceled!");
    workspace.finishWithoutUndo();
}

void MaskedCutCellVolumeOperation::finish()
{
    if (ended)
        return;
    if (!volume || !maskSet) {
        cancel();
        return;
    }
    ended = true;
    cutWith(true);
    workspace.finishWithUndo();
}

int MaskedCutCellVolumeOperation::undo()
{
    cutWith(false);
    return 1;
}

void MaskedCutCellVolumeOperation::redo()
{
    cutWith(true);
}

void MaskedCutCellVolumeOperation::setMask(const ImageMask &value)
{
    mask = value;
    maskSet = true;
    showMask(mask);
}

void MaskedCutCellVolumeOperation::showMask(const ImageMask &shown)
{
    if (volume) {
        volume->setTopMask(shown);
        workspace.requestRedraw();
    }
}

void MaskedCutCellVolumeOperation::cutWith(bool cut)
{
    if (!volume)
        return;
    applyColumnCut(workspace, *volume, mask, cut ? CutCellVolume::Mode::Cut : CutCellVolume::Mode::Uncut);
    postNamedMessage("Cut planes changed.");
}

} // namespace Core::Operations
