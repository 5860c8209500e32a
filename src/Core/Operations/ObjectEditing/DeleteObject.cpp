#include "Core/Operations/ObjectEditing/DeleteObject.h"

#include "Core/Workspace/Workspace.h"

namespace Core::Operations {

DeleteObject::DeleteObject(Core::Workspace &workspace) : ObjectOperation(workspace, "Delete Objects", 4) {}

void DeleteObject::post(const char *sentence)
{
    workspace.getCommandInterpreter().postMessage(std::string("Delete: ") + sentence);
}

void DeleteObject::execute()
{
    if (chosen)
        return;
    objects = workspace.getPickState().getSelectedObjects();
    if (objects.empty()) {
        post("Select the objects to be deleted and press Return/Enter");
        workspace.getCommandInterpreter().requestEnter(this);
        workspace.getSelection().setMode(true);
        return;
    }
    workspace.getSelection().clear();
    workspace.getSelection().setMode(false);
    chosen = true;
    finish();
}

void DeleteObject::cancel()
{
    workspace.requestRedraw();
    workspace.getCommandInterpreter().reset();
    post("Operation canceled.");
    workspace.finishWithoutUndo();
}

void DeleteObject::finish()
{
    if (!chosen) {
        workspace.requestRedraw();
        workspace.getCommandInterpreter().reset();
        post("Operation canceled, no selected objects.");
        if (workspace.currentOperation().get() == this)
            workspace.finishWithoutUndo();
        return;
    }
    removeAll();
    post("objects deleted.");
    workspace.finishWithUndo();
}

void DeleteObject::removeAll()
{
    for (const auto &object : objects)
        workspace.getScene().removeObject(object);
    workspace.requestRedraw();
}

int DeleteObject::undo()
{
    for (const auto &object : objects)
        workspace.getScene().addObject(object);
    workspace.requestRedraw();
    return 1;
}

void DeleteObject::redo()
{
    removeAll();
}

} // namespace Core::Operations
