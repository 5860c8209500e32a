#include "Core/Operations/GlueSubstrate/GlueSubstrateOperation.h"

#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

#include <utility>

namespace Core::Operations {

using Model::Automaton::TotalVolume;

namespace {

std::vector<std::shared_ptr<TotalVolume>> selectedVolumes(Core::Workspace &workspace)
{
    std::vector<std::shared_ptr<TotalVolume>> volumes;
    for (const auto &object : workspace.getPickState().getSelectedObjects()) {
        if (auto volume = std::dynamic_pointer_cast<TotalVolume>(object))
            volumes.push_back(std::move(volume));
    }
    return volumes;
}

} // namespace

GlueSubstrateOperation::GlueSubstrateOperation(Core::Workspace &workspace)
    : ObjectOperation(workspace, "Glue Volumes", 12)
{
}

void GlueSubstrateOperation::execute()
{
    if (gluing || !chooseBase() || !chooseTop())
        return;
    workspace.getSelection().clear();
    workspace.getSelection().setMode(false);
    workspace.requestRedraw();
    gluing.emplace(*base, *top);
    notifyObservers();
    finish();
}

void GlueSubstrateOperation::promptFor(const char *sentence)
{
    postNamedMessage(sentence);
    workspace.getCommandInterpreter().requestEnter(this);
    workspace.getSelection().setMode(true);
}

bool GlueSubstrateOperation::chooseBase()
{
    if (base)
        return true;
    const auto volumes = selectedVolumes(workspace);
    if (volumes.empty()) {
        promptFor("select the base cell volume and press Enter/Return.");
        return false;
    }
    base = volumes.front();
    postNamedMessage("base cell volume selected. Select top cell volume and press enter");
    baseJustChosen = true;
    return true;
}

// The last selected volume other than the base; a volume cannot be glued onto itself.
bool GlueSubstrateOperation::chooseTop()
{
    const bool prompted = std::exchange(baseJustChosen, false);
    const auto volumes = selectedVolumes(workspace);
    for (auto it = volumes.rbegin(); it != volumes.rend() && !top; ++it) {
        if (*it != base)
            top = *it;
    }
    if (top) {
        postNamedMessage("top cell volume selected.");
        return true;
    }
    workspace.getSelection().clear();
    if (prompted) {
        workspace.getCommandInterpreter().requestEnter(this);
        workspace.getSelection().setMode(true);
        return false;
    }
    if (!volumes.empty())
        postNamedMessage("the top cell volume must be another volume than the base cell volume.");
    promptFor("select the top cell volume and press Enter/Return.");
    return false;
}

bool GlueSubstrateOperation::setPlacement(const SubstrateGluing::Placement &chosen)
{
    if (!gluing || !gluing->fits(chosen))
        return false;
    placement = chosen;
    return true;
}

void GlueSubstrateOperation::cancel()
{
    workspace.getCommandInterpreter().reset();
    workspace.finishWithoutUndo();
}

void GlueSubstrateOperation::finish()
{
    if (!gluing || !placement || result)
        return;
    {
        const Core::BusyScope busy(workspace);
        result = gluing->run(*placement);
        if (result)
            result->refreshDrawingData();
    }
    if (!result) {
        postNamedMessage("the glued volume is too large to be created on this computer.");
        placement.reset();
        return;
    }
    swapInScene(true);
    postNamedMessage("volumes glued.");
    workspace.finishWithUndo();
}

// The glued volume stands where the base stood and holds both sources, so it replaces them.
void GlueSubstrateOperation::swapInScene(bool glued)
{
    Core::Scene &scene = workspace.getScene();
    if (glued) {
        scene.removeObject(base);
        scene.removeObject(top);
        scene.addObject(result);
    } else {
        scene.removeObject(result);
        scene.addObject(base);
        scene.addObject(top);
    }
    workspace.requestRedraw();
}

int GlueSubstrateOperation::undo()
{
    swapInScene(false);
    return 1;
}

void GlueSubstrateOperation::redo()
{
    swapInScene(true);
}

} // namespace Core::Operations
