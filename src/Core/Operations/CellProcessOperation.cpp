#include "Core/Operations/CellProcessOperation.h"

#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

CellProcessOperation::CellProcessOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                                           std::string historyKey, uint32_t instance)
    : ProcessStepMachine(workspace, std::move(name), operationId), historyKey(std::move(historyKey)),
      instance(instance)
{
}

void CellProcessOperation::apply(Model::Automaton::TotalVolume &volume)
{
    const Core::BusyScope busy(workspace);
    auto &registry = workspace.getArchiveRegistry();
    registry.getUndoHistory().write(historyKey, instance, volume);
    ProcessStepMachine::apply(volume);
    registry.getRedoHistory().write(historyKey, instance, volume);
}

void CellProcessOperation::recover(Model::Automaton::TotalVolume &volume)
{
    workspace.getArchiveRegistry().getUndoHistory().restore(historyKey, instance, volume);
}

int CellProcessOperation::undo()
{
    restoreFrom(true);
    return 1;
}

void CellProcessOperation::redo()
{
    restoreFrom(false);
}

void CellProcessOperation::restoreFrom(bool undoFile)
{
    const auto volume = getVolume();
    if (!volume)
        return;
    const Core::BusyScope busy(workspace);
    auto &registry = workspace.getArchiveRegistry();
    auto &history = undoFile ? registry.getUndoHistory() : registry.getRedoHistory();
    history.restore(historyKey, instance, *volume);
    // The restored cells no longer match the volume's silicon lattice.
    workspace.getVolumeRecords().setLatticeOutdated(volume->getObjectId(), true);
    volume->refreshDrawingData();
    workspace.requestRedraw();
}

} // namespace Core::Operations
