#include "Core/Operations/CellVolumeChoice.h"

#include "Core/Operations/Operation.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

using Model::Automaton::TotalVolume;

std::shared_ptr<TotalVolume> lastSelectedCellVolume(Core::Workspace &workspace)
{
    std::shared_ptr<TotalVolume> chosen;
    for (const auto &object : workspace.getPickState().getSelectedObjects()) {
        if (auto volume = std::dynamic_pointer_cast<TotalVolume>(object))
            chosen = std::move(volume);
    }
    return chosen;
}

std::shared_ptr<TotalVolume> chooseCellVolume(Operation &operation, Core::Workspace &workspace,
                                              const CellVolumePrompts &prompts)
{
    auto &interpreter = workspace.getCommandInterpreter();
    std::shared_ptr<TotalVolume> chosen = lastSelectedCellVolume(workspace);
    if (!chosen) {
        const auto objects = workspace.getScene().getObjects();
        if (objects.size() == 1)
            chosen = std::dynamic_pointer_cast<TotalVolume>(objects.front());
    }
    if (chosen) {
        workspace.getSelection().clear();
        workspace.getSelection().setMode(false);
        workspace.requestRedraw();
        interpreter.postMessage(operation.getName() + ": " + prompts.selected);
        return chosen;
    }
    interpreter.postMessage(operation.getName() + ": " + prompts.select);
    interpreter.requestEnter(&operation);
    workspace.getSelection().setMode(true);
    return nullptr;
}

} // namespace Core::Operations
