#include "Core/Operations/ObjectEditing/MoveObject.h"

#include "Core/Workspace/Workspace.h"

namespace Core::Operations {

MoveObject::MoveObject(Core::Workspace &workspace)
    : ObjectDisplacementOperation(workspace, "Move Objects", 7, "Move",
                                  "Select the object(s) to be copied and press Enter/Return.")
{
}

std::shared_ptr<Model::Object> MoveObject::previewedFor(const std::shared_ptr<Model::Object> &selected)
{
    return selected;
}

// The operation stays current, inert, until the next operation, undo or redo replaces it.
void MoveObject::cancel()
{
    if (step == Ready)
        return;
    releaseInput();
    setPreview(false);
    post("Operation canceled");
    workspace.requestRedraw();
}

void MoveObject::finish()
{
    if (step != Ready) {
        cancel();
        if (isCurrent())
            workspace.finishWithoutUndo();
        return;
    }
    setPreview(false);
    translateAll(displacement);
    workspace.getSelection().clear();
    releaseInput();
    post("Object(s) moved");
    workspace.finishWithUndo();
}

void MoveObject::translateAll(const Util::Vector3D &by)
{
    for (const auto &object : objects)
        object->translate(by);
    workspace.requestRedraw();
}

int MoveObject::undo()
{
    translateAll(displacement * -1.0);
    return 1;
}

void MoveObject::redo()
{
    translateAll(displacement);
}

} // namespace Core::Operations
