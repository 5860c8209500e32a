#include "Core/Operations/Cuts/ColumnCutStep.h"

#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

void applyColumnCut(Core::Workspace &workspace, Model::Automaton::TotalVolume &volume,
                    const Model::Automaton::ImageMask &mask, CutCellVolume::Mode mode)
{
    const Core::BusyScope busy(workspace);
    CutCellVolume(volume, mask).run(mode);
    volume.setTopMask(Model::Automaton::ImageMask());
    volume.refreshDrawingData();
    workspace.requestRedraw();
}

} // namespace Core::Operations
