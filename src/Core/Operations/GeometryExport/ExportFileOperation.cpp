#include "Core/Operations/GeometryExport/ExportFileOperation.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

void ExportFileOperation::execute()
{
    if (ended)
        return;
    if (!volume) {
        volume = chooseCellVolume(*this, workspace);
        if (!volume)
            return;
    }
    fileName.clear();
    setStage(Stage::ChoosingFile);
    finish();
}

void ExportFileOperation::cancel()
{
    if (ended)
        return;
    ended = true;
    postNamedMessage("Operation canceled.");
    workspace.finishWithoutUndo();
}

void ExportFileOperation::finish()
{
    if (ended)
        return;
    if (!volume || fileName.isEmpty()) {
        cancel();
        return;
    }
    ended = true;
    QString summary;
    QString error;
    bool written;
    {
        const Core::BusyScope busy(workspace);
        written = write(*volume, fileName, summary, error);
    }
    postNamedMessage(written ? summary.toStdString()
                             : QStringLiteral("The file could not be written: %1").arg(error).toStdString());
    workspace.finishWithoutUndo();
}

void ExportFileOperation::setStage(Stage newStage)
{
    stage = newStage;
    notifyObservers();
}

} // namespace Core::Operations
