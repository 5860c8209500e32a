#include "Core/Operations/ExportData/ExportDataOperation.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Operations/ExportData/CSVDataExporter.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>

namespace Core::Operations {

using Model::Automaton::TotalVolume;

ExportDataOperation::ExportDataOperation(Core::Workspace &workspace)
    : VolumeStepOperation(workspace, "Export Data", kOperationId, {" data saved.", std::string()})
{
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

// The console says " data saved." whatever the outcome; a failure only goes to the debug log.
void ExportDataOperation::apply(TotalVolume &volume)
{
    QString error;
    if (CSVDataExporter::exportVolumeField(volume, fileName, dataType, &error) != 0)
        qWarning() << "Export Data: could not write" << fileName << ":" << error;
    workspace.getPickState().clear();
    workspace.getCommandInterpreter().reset();
}

void ExportDataOperation::abandon()
{
    workspace.getCommandInterpreter().reset();
}

} // namespace Core::Operations
