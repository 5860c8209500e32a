#include "Core/Operations/VolumeProcessOperation.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>
#include <QElapsedTimer>

#include <exception>

namespace Core::Operations {

VolumeProcessOperation::VolumeProcessOperation(Core::Workspace &workspace, std::string name,
                                               uint32_t operationId)
    : Operation(workspace, std::move(name), operationId)
{
}

void VolumeProcessOperation::execute()
{
    if (volume)
        return;
    volume = chooseCellVolume(*this, workspace);
    if (!volume)
        return;
    notifyObservers();
    finish();
}

void VolumeProcessOperation::cancel()
{
    if (ended)
        return;
    ended = true;
    postNamedMessage("Operation canceled.");
    workspace.finishWithoutUndo();
}

void VolumeProcessOperation::finish()
{
    if (ended)
        return;
    if (!volume || !readyToRun()) {
        cancel();
        return;
    }
    ended = true;
    {
        const Core::BusyScope busy(workspace);
        QElapsedTimer timer;
        timer.start();
        try {
            runEngine(*volume);
        } catch (const std::exception &) {
            postNamedMessage("Not enough memory to run the process.");
        }
        qDebug() << getName().c_str() << "engine finished in" << timer.elapsed() << "ms";
        volume->refreshDrawingData();
        workspace.getVolumeRecords().recordProcess(volume->getObjectId(), getOperationId(), true);
        workspace.requestRedraw();
    }
    postNamedMessage("Operation finished.");
    workspace.finishWithoutUndo();
}

} // namespace Core::Operations
