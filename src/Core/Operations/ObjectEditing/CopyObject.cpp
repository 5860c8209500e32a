#include "Core/Operations/ObjectEditing/CopyObject.h"

#include "Core/Workspace/Workspace.h"

namespace Core::Operations {

CopyObject::CopyObject(Core::Workspace &workspace)
    : ObjectDisplacementOperation(workspace, "Copy Objects", 1, "Copy",
                                  "Select the object(s) to be copied and press Enter")
{
}

// The copies are not in the scene until they are placed; the view draws them from the pick
// state meanwhile.
std::shared_ptr<Model::Object> CopyObject::previewedFor(const std::shared_ptr<Model::Object> &selected)
{
    auto copy = selected->clone();
    copy->refreshDrawingData();
    auto previewed = workspace.getPickState().getPreviewObjects();
    previewed.push_back(copy);
    workspace.getPickState().setPreviewObjects(previewed);
    return copy;
}

void CopyObject::cancel()
{
    releaseInput();
    post("Operation canceled");
    workspace.requestRedraw();
}

void CopyObject::finish()
{
    if (!isCurrent())
        return;
    setPreview(false);
    for (const auto &copy : objects) {
        copy->translate(displacement);
        workspace.getScene().addObject(copy);
    }
    workspace.getSelection().clear();
    releaseInput();
    post("Object(s) copied");
    workspace.finishWithUndo();
}

int CopyObject::undo()
{
    for (const auto &copy : objects)
        workspace.getScene().removeObject(copy);
    workspace.requestRedraw();
    return 1;
}

void CopyObject::redo()
{
    for (const auto &copy : objects)
        workspace.getScene().addObject(copy);
    workspace.requestRedraw();
}

} // namespace Core::Operations
