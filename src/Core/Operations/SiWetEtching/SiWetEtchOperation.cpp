#include "Core/Operations/SiWetEtching/SiWetEtchOperation.h"

#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>
#include <QElapsedTimer>

#include <exception>

namespace Core::Operations {

SiWetEtchOperation::SiWetEtchOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                                       SiWetEtchRun::Engine engine)
    : VolumeStepOperation(workspace, std::move(name), operationId,
                          {"Operation finished.", "Operation canceled."}),
      engine(engine), latticeBudget(Util::largeStructureBudget())
{
}

void SiWetEtchOperation::setDepth(double value)
{
    if (SiWetEtchRun::isValidDepth(value))
        depth = value;
}

void SiWetEtchOperation::apply(Model::Automaton::TotalVolume &volume)
{
    const Core::BusyScope busy(workspace);
    QElapsedTimer timer;
    timer.start();
    try {
        const SiWetEtchResult result = SiWetEtchRun::run(engine, volume, workspace.getVolumeRecords(), *depth,
                                                         getOperationId(), latticeBudget);
        qDebug() << getName().c_str() << "finished in" << timer.elapsed() << "ms," << result.removedAtoms
                 << "atoms removed";
        if (result.status == SiWetEtchResult::Status::Etched)
            workspace.getUndoRedoStacks().dropRedo();
        else
            sentence = result.explanation();
    } catch (const std::exception &) {
        // The lattice or the surface lists could not get their memory; the lattice no longer
        // matches the cells, which may be partly etched.
        workspace.getVolumeRecords().setLatticeOutdated(volume.getObjectId(), true);
        workspace.getUndoRedoStacks().dropRedo();
        sentence = "Not enough memory to run the process.";
    }
    volume.refreshDrawingData();
    workspace.requestRedraw();
}

} // namespace Core::Operations
