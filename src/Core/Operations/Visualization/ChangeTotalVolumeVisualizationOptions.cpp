#include "Core/Operations/Visualization/ChangeTotalVolumeVisualizationOptions.h"

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Materials/MaterialFactory.h"

namespace Core::Operations {

using Model::Automaton::VisualizationOptions;

ChangeTotalVolumeVisualizationOptions::ChangeTotalVolumeVisualizationOptions(Core::Workspace &workspace)
    : Operation(workspace, "Change Visualization", kOperationId)
{
}

void ChangeTotalVolumeVisualizationOptions::execute()
{
    if (chosen)
        return;
    volume = chooseCellVolume(*this, workspace);
    if (!volume)
        return;
    chosen = true;
    notifyObservers();
    finish();
}

void ChangeTotalVolumeVisualizationOptions::cancel()
{
    postNamedMessage("Operation Canceled!");
    workspace.getCommandInterpreter().reset();
    workspace.finishWithoutUndo();
}

// A rejected dialog leaves the operation current and silent until it is cancelled or replaced.
void ChangeTotalVolumeVisualizationOptions::finish()
{
    if (!chosen || !accepted)
        return;
    {
        const Core::BusyScope busy(workspace);
        applyFilmColors();
        volume->getPainter().setVisualizationOptions(options);
        volume->refreshDrawingData();
        // Film colours show in every volume that holds those materials.
        for (const auto &other : workspace.getScene().getCellVolumes()) {
            if (other != volume)
                other->refreshDrawingData();
        }
    }
    postNamedMessage("Options changed.");
    workspace.finishWithoutUndo();
}

VisualizationOptions ChangeTotalVolumeVisualizationOptions::currentOptions() const
{
    return volume ? volume->getPainter().getVisualizationOptions() : VisualizationOptions();
}

void ChangeTotalVolumeVisualizationOptions::setOptions(const VisualizationOptions &chosenOptions,
                                                       FilmColors colors)
{
    options = chosenOptions;
    filmColors = std::move(colors);
    accepted = true;
}

// The colours become the catalogue's, so the drawings, the documents and later sessions agree.
void ChangeTotalVolumeVisualizationOptions::applyFilmColors()
{
    if (filmColors.empty())
        return;
    const auto catalogue = Model::Materials::MaterialFactory::instance();
    for (const auto &[id, color] : filmColors) {
        Model::Materials::Material material = catalogue->getMaterialById(id);
        if (material.getId() != id)
            continue;
        material.setColor(color);
        catalogue->addMaterial(material);
    }
    catalogue->saveMaterials();
}

} // namespace Core::Operations
