#include "Core/Operations/SiWetEtching/SiWetEtchOperation.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>
#include <QElapsedTimer>

#include <exception>

namespace Core::Operations {

SiWetEtchOperation::SiWetEtchOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                                       SiWetEtchRun::Engine engine)
    : Operation(workspace, std::move(name), operationId), engine(engine),
      latticeBudget(Util::largeStructureBudget())
{
}

void SiWetEtchOperation::execute()
{
    if (volume)
        return;
    volume = chooseCellVolume(*this, workspace);
    if (!volume)
        return;
    notifyObservers();
    finish();
}

void SiWetEtchOperation::cancel()
{
    if (finished)
        return;
    finished = true;
    postNamedMessage("Operation canceled.");
    workspace.finishWithoutUndo();
}

void SiWetEtchOperation::finish()
{
    if (finished)
        return;
    if (!volume) {
        cancel();
        return;
    }
    if (!depth)
        return;
    finished = true;
    etch();
    workspace.finishWithoutUndo();
}

void SiWetEtchOperation::setDepth(double value)
{
    if (SiWetEtchRun::isValidDepth(value))
        depth = value;
}

void SiWetEtchOperation::etch()
{
    const Core::BusyScope busy(workspace);
    QElapsedTimer timer;
    timer.start();
    SiWetEtchResult result;
    try {
        result = SiWetEtchRun::run(engine, *volume, workspace.getVolumeRecords(), *depth, getOperationId(),
                                   latticeBudget);
    } catch (const std::exception &) {
        // The lattice or the surface lists could not get their memory; the lattice no longer
        // matches the cells.
        workspace.getVolumeRecords().setLatticeOutdated(volume->getObjectId(), true);
        volume->refreshDrawingData();
        postNamedMessage("Not enough memory to run the process.");
        return;
    }
    qDebug() << getName().c_str() << "finished in" << timer.elapsed() << "ms," << result.removedAtoms
             << "atoms removed";
    if (result.status != SiWetEtchResult::Status::Etched) {
        postNamedMessage(result.explanation());
        return;
    }
    volume->refreshDrawingData();
    postNamedMessage("Operation finished.");
}

} // namespace Core::Operations
