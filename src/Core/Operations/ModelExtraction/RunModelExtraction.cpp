#include "Core/Operations/ModelExtraction/RunModelExtraction.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/ModelExtraction/BlockDecomposition.h"
#include "Model/ModelExtraction/CantileverModelRule.h"
#include "Model/ModelExtraction/CantileverStructure.h"
#include "Model/ModelExtraction/ExtractedModel.h"

namespace Core::Operations {

using Model::ModelExtraction::ExtractedModel;

RunModelExtraction::RunModelExtraction(Core::Workspace &workspace)
    : Operation(workspace, "Extract Model", 1000)
{
}

// The messages carry the fixed prefix "Model Extraction", not the display name.
void RunModelExtraction::post(const char *sentence)
{
    workspace.getCommandInterpreter().postMessage(std::string("Model Extraction: ") + sentence);
}

void RunModelExtraction::execute()
{
    if (state != Choosing)
        return;
    volume = lastSelectedCellVolume(workspace);
    if (!volume) {
        post("Select a cell volume and press Enter/Return.");
        workspace.getCommandInterpreter().requestEnter(this);
        workspace.getSelection().setMode(true);
        return;
    }
    post("Cell volume selected.");
    state = DialogOpen;
    notifyObservers();
    workspace.getSelection().clear();
    workspace.getSelection().setMode(false);
    workspace.requestRedraw();
}

void RunModelExtraction::runPreprocessing()
{
    if (state != DialogOpen || decomposition)
        return;
    volume->getPainter().setHidden(true);
    decomposition = std::make_shared<Model::ModelExtraction::BlockDecomposition>(*volume);
    blockModel = std::make_shared<ExtractedModel>(decomposition->copyBlocks());
    blockModel->translate(volume->getPosition());
    workspace.getScene().addObject(blockModel);
    workspace.requestRedraw();
}

void RunModelExtraction::runFeatureDetection()
{
    if (state != DialogOpen || !decomposition || structure)
        return;
    Model::ModelExtraction::CantileverModelRule rule;
    structure = rule.apply(*decomposition);
    if (!structure)
        return;
    segmentModel = std::make_shared<ExtractedModel>(rule.getSegments());
    Util::Vector3D beside = volume->getPosition();
    beside.x += (double(volume->getSizeX()) + 10.0) * volume->getCellSizeX();
    segmentModel->translate(beside);
    workspace.getScene().addObject(segmentModel);
    workspace.requestRedraw();
}

QString RunModelExtraction::modelNetlist() const
{
    return structure ? structure->netlist() : QString();
}

void RunModelExtraction::removeDisplays()
{
    for (const auto &display : {blockModel, segmentModel}) {
        if (display)
            workspace.getScene().removeObject(display);
    }
    blockModel.reset();
    segmentModel.reset();
    volume->getPainter().setHidden(false);
    workspace.requestRedraw();
}

void RunModelExtraction::finish()
{
    if (state != DialogOpen)
        return;
    state = Done;
    removeDisplays();
    post("Model extracted.");
    workspace.finishWithoutUndo();
}

void RunModelExtraction::cancel()
{
    if (state == DialogOpen) {
        state = Done;
        if (dialogCloser)
            dialogCloser->notify();
        removeDisplays();
    }
    workspace.getCommandInterpreter().reset();
    workspace.finishWithoutUndo();
}

} // namespace Core::Operations
