#include "Core/Operations/ExportData/ExportDataOperation.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Operations/ExportData/CSVDataExporter.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>

namespace Core::Operations {

using Model::Automaton::TotalVolume;

ExportDataOperation::ExportDataOperation(Core::Workspace &workspace)
    : Operation(workspace, "Export Data", kOperationId)
{
}

void ExportDataOperation::execute()
{
    if (volume)
        return;
    volume = chooseVolume();
    if (!volume)
        return;
    notifyObservers();
    finish();
}

std::shared_ptr<TotalVolume> ExportDataOperation::chooseVolume()
{
    if (auto selected = lastSelectedCellVolume(workspace)) {
        postNamedMessage("Cell volume selected.");
        return selected;
    }
    const auto objects = workspace.getScene().getObjects();
    if (workspace.getPickState().getSelectedObjects().empty() && objects.size() == 1) {
        if (auto only = std::dynamic_pointer_cast<TotalVolume>(objects.front())) {
            postNamedMessage("Using only cell volume.");
            return only;
        }
    }
    postNamedMessage("Select a cell volume and press Enter/Return.");
    workspace.getCommandInterpreter().requestEnter(this);
    workspace.getSelection().setMode(true);
    return nullptr;
}

void ExportDataOperation::finish()
{
    if (!volume || fileName.isEmpty() || dataType.isEmpty()) {
        cancel();
        return;
    }
    // The message follows whatever the outcome; a failure only goes to the debug log.
    QString error;
    if (CSVDataExporter::exportVolumeField(*volume, fileName, dataType, &error) != 0)
        qWarning() << "Export Data: could not write" << fileName << ":" << error;
    postNamedMessage(" data saved.");
    workspace.getPickState().clear();
    end();
}

void ExportDataOperation::cancel()
{
    end();
}

void ExportDataOperation::end()
{
    workspace.getCommandInterpreter().reset();
    workspace.finishWithoutUndo();
}

} // namespace Core::Operations
