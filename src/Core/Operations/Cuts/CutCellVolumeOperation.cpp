#include "Core/Operations/Cuts/CutCellVolumeOperation.h"

#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"

namespace Core::Operations {

using Model::Automaton::CutBox;
using Model::Automaton::TotalVolume;

namespace {

void setPainterBox(TotalVolume &volume, const CutBox &box)
{
    volume.getPainter().setCutLimits(box.lower[0], box.lower[1], box.lower[2], box.upper[0], box.upper[1],
                                     box.upper[2]);
}

} // namespace

CutCellVolumeOperation::CutCellVolumeOperation(Core::Workspace &workspace)
    : VolumeStepOperation(workspace, "Change Cut Planes", kOperationId,
                          {"Cut planes changed.", "Operation Canceled!"})
{
}

void CutCellVolumeOperation::setCutLimits(const CutBox &box, bool preview)
{
    const auto volume = getVolume();
    if (!volume)
        return;
    if (!originalBox)
        originalBox = volume->getPainter().getCutBox();
    setPainterBox(*volume, box);
    limitsSet = true;
    lastPreviewed = preview;
    if (preview)
        redrawVolume(*volume);
}

void CutCellVolumeOperation::apply(TotalVolume &volume)
{
    if (!lastPreviewed)
        volume.refreshDrawingData();
    workspace.requestRedraw();
}

void CutCellVolumeOperation::abandon()
{
    const auto volume = getVolume();
    if (!volume || !originalBox || volume->getPainter().getCutBox() == *originalBox)
        return;
    setPainterBox(*volume, *originalBox);
    redrawVolume(*volume);
}

void CutCellVolumeOperation::redrawVolume(TotalVolume &volume)
{
    const Core::BusyScope busy(workspace);
    volume.refreshDrawingData();
    workspace.requestRedraw();
}

} // namespace Core::Operations
