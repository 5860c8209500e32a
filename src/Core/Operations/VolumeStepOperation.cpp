#include "Core/Operations/VolumeStepOperation.h"

#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>
#include <QElapsedTimer>

#include <exception>

namespace Core::Operations {

void runProcessEngine(Operation &operation, Core::Workspace &workspace, Model::Automaton::TotalVolume &volume,
                      const std::function<void()> &engine, const std::function<void()> &recover,
                      bool outdatesLattice)
{
    const Core::BusyScope busy(workspace);
    QElapsedTimer timer;
    timer.start();
    try {
        engine();
    } catch (const std::exception &) {
        recover();
        workspace.getCommandInterpreter().postMessage(operation.getName()
                                                      + ": Not enough memory to run the process.");
    }
    qDebug() << operation.getName().c_str() << "engine finished in" << timer.elapsed() << "ms";
    volume.refreshDrawingData();
    workspace.getVolumeRecords().recordProcess(volume.getObjectId(), operation.getOperationId(),
                                               outdatesLattice);
    workspace.requestRedraw();
}

void ProcessStepOperation::apply(Model::Automaton::TotalVolume &volume)
{
    ProcessStepMachine::apply(volume);
    workspace.getUndoRedoStacks().dropRedo();
}

} // namespace Core::Operations
