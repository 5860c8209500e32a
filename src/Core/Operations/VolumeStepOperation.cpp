#include "Core/Operations/VolumeStepOperation.h"

#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>
#include <QElapsedTimer>

#include <exception>

namespace Core::Operations {

ProcessStepOperation::ProcessStepOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                                           std::string canceledSentence)
    : VolumeStepOperation(workspace, std::move(name), operationId,
                          {"Operation finished.", std::move(canceledSentence)})
{
}

void ProcessStepOperation::apply(Model::Automaton::TotalVolume &volume)
{
    const Core::BusyScope busy(workspace);
    QElapsedTimer timer;
    timer.start();
    try {
        runEngine(volume);
    } catch (const std::exception &) {
        // The slab tasks could not get their working memory; the cells they reached are changed.
        postNamedMessage("Not enough memory to run the process.");
    }
    qDebug() << getName().c_str() << "engine finished in" << timer.elapsed() << "ms";
    volume.refreshDrawingData();
    workspace.getVolumeRecords().recordProcess(volume.getObjectId(), getOperationId(), outdatesLattice());
    workspace.requestRedraw();
}

} // namespace Core::Operations
