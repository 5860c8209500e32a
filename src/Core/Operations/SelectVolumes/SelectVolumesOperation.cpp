#include "Core/Operations/SelectVolumes/SelectVolumesOperation.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

SelectVolumesOperation::SelectVolumesOperation(Core::Workspace &workspace)
    : Operation(workspace, "Select volumes", 24)
{
}

void SelectVolumesOperation::execute()
{
    if (chosen)
        return;
    if (auto selected = lastSelectedCellVolume(workspace)) {
        volume = std::move(selected);
        workspace.getSelection().clear();
        workspace.getSelection().setMode(false);
        workspace.requestRedraw();
        postNamedMessage("Cell volume selected.");
        chosen = true;
        finish();
        return;
    }
    if (!answer.empty() && (answer[0] == 'n' || answer[0] == 'N')) {
        chosen = true;
        finish();
        return;
    }
    postNamedMessage("Select a cell volume and press Enter/Return. To start without a cell volume type N and "
                     "press Enter/Return.");
    auto &interpreter = workspace.getCommandInterpreter();
    interpreter.requestText(this, &answer);
    interpreter.requestEnter(this);
    workspace.getSelection().setMode(true);
}

void SelectVolumesOperation::cancel()
{
    workspace.getCommandInterpreter().reset();
    workspace.finishWithoutUndo();
}

void SelectVolumesOperation::finish()
{
    if (!chosen)
        return;
    notifyObservers();
    workspace.getCommandInterpreter().reset();
    workspace.finishWithoutUndo();
}

} // namespace Core::Operations
