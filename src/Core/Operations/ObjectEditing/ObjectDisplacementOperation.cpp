#include "Core/Operations/ObjectEditing/ObjectDisplacementOperation.h"

#include "Core/Workspace/Workspace.h"

namespace Core::Operations {

ObjectDisplacementOperation::ObjectDisplacementOperation(Core::Workspace &workspace, std::string name,
                                                         uint32_t id, std::string prefix,
                                                         std::string selectPrompt)
    : ObjectOperation(workspace, std::move(name), id), prefix(std::move(prefix)),
      selectPrompt(std::move(selectPrompt))
{
}

void ObjectDisplacementOperation::post(const std::string &sentence)
{
    workspace.getCommandInterpreter().postMessage(prefix + ": " + sentence);
}

bool ObjectDisplacementOperation::isCurrent() const
{
    return workspace.currentOperation().get() == this;
}

void ObjectDisplacementOperation::execute()
{
    switch (step) {
    case WaitingForSelection: takeSelection(); break;
    case WaitingForOrigin:
        if (delivered) {
            step = Ready;
            finish();
        } else {
            startTracking();
        }
        break;
    case Tracking: track(); break;
    default: break;
    }
}

void ObjectDisplacementOperation::takeSelection()
{
    const auto selected = workspace.getPickState().getSelectedObjects();
    if (selected.empty()) {
        post(selectPrompt);
        workspace.getCommandInterpreter().requestEnter(this);
        workspace.getSelection().setMode(true);
        return;
    }
    workspace.getPickState().clear();
    objects.clear();
    for (const auto &object : selected)
        objects.push_back(previewedFor(object));
    setPreview(true);
    post("Left click or enter the distance into the console (x, y, z):");
    workspace.getSelection().setMode(false);
    workspace.getSelection().clear();
    trackingMode = kTracking;
    workspace.getPickState().registerTracking(this, &origin, &trackingMode);
    workspace.getCommandInterpreter().requestCoordinates(this, &displacement, &delivered);
    step = WaitingForOrigin;
    workspace.requestRedraw();
}

// The origin was clicked: from now on the view feeds the point under the mouse as destination.
void ObjectDisplacementOperation::startTracking()
{
    workspace.getCommandInterpreter().reset();
    anchor = origin;
    destination = origin;
    registerTracking();
    post("Left click on destination.");
    step = Tracking;
}

void ObjectDisplacementOperation::registerTracking()
{
    trackingMode = kTracking;
    workspace.getPickState().registerOriginDestination(this, &anchor, &destination);
    workspace.getPickState().registerTracking(this, &destination, &trackingMode);
}

// The displacement is always measured from the clicked origin, so the preview follows the
// mouse; the final click (which clears the tracking mode) drops the objects.
void ObjectDisplacementOperation::track()
{
    displacement = destination - origin;
    for (const auto &object : objects)
        object->setPreviewOffset(displacement);
    workspace.requestRedraw();
    if (trackingMode != 0) {
        registerTracking();
        return;
    }
    step = Ready;
    finish();
}

void ObjectDisplacementOperation::setPreview(bool on)
{
    for (const auto &object : objects) {
        object->setPreview(on);
        object->setPreviewOffset(on ? displacement : Util::Vector3D());
    }
}

void ObjectDisplacementOperation::releaseInput()
{
    workspace.getPickState().clear();
    workspace.getCommandInterpreter().releaseRequester();
}

} // namespace Core::Operations
