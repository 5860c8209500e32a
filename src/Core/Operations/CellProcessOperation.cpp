#include "Core/Operations/CellProcessOperation.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>
#include <QElapsedTimer>

#include <exception>

namespace Core::Operations {

CellProcessOperation::CellProcessOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                                           std::string historyKey, uint32_t instance)
    : ObjectOperation(workspace, std::move(name), operationId), historyKey(std::move(historyKey)),
      instance(instance)
{
}

void CellProcessOperation::execute()
{
    if (volume)
        return;
    volume = chooseCellVolume(*this, workspace);
    if (!volume)
        return;
    notifyObservers();
    finish();
}

void CellProcessOperation::cancel()
{
    if (applied)
        return;
    postNamedMessage("Operation canceled.");
    workspace.finishWithoutUndo();
}

void CellProcessOperation::finish()
{
    if (applied)
        return;
    if (!volume || !isReady()) {
        cancel();
        return;
    }
    apply();
    postNamedMessage("Operation finished.");
    workspace.finishWithUndo();
}

void CellProcessOperation::apply()
{
    applied = true;
    const Core::BusyScope busy(workspace);
    auto &registry = workspace.getArchiveRegistry();
    registry.getUndoHistory().write(historyKey, instance, *volume);
    QElapsedTimer timer;
    timer.start();
    try {
        runEngine(*volume);
    } catch (const std::exception &) {
        // The engine could not get its working memory (slab tasks report that as their own
        // exception type): put back the cells as recorded.
        registry.getUndoHistory().restore(historyKey, instance, *volume);
        postNamedMessage("Not enough memory to run the process.");
    }
    qDebug() << getName().c_str() << "engine finished in" << timer.elapsed() << "ms";
    registry.getRedoHistory().write(historyKey, instance, *volume);
    volume->refreshDrawingData();
    workspace.getVolumeRecords().recordProcess(volume->getObjectId(), getOperationId(), outdatesLattice());
    workspace.requestRedraw();
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
