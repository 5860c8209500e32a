#include "Core/Operations/Visualization/ChangeTotalVolumeVisualizationOptions.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Materials/MaterialFactory.h"

namespace Core::Operations {

using Model::Automaton::VisualizationOptions;

ChangeTotalVolumeVisualizationOptions::ChangeTotalVolumeVisualizationOptions(Core::Workspace &workspace)
    : VolumeStepOperation(workspace, "Change Visualization", kOperationId,
                          {"Options changed.", "Operation Canceled!"})
{
}

VisualizationOptions ChangeTotalVolumeVisualizationOptions::currentOptions() const
{
    const auto volume = getVolume();
    return volume ? volume->getPainter().getVisualizationOptions() : VisualizationOptions();
}

void ChangeTotalVolumeVisualizationOptions::setOptions(const VisualizationOptions &chosenOptions,
                                                       FilmColors colors)
{
    options = chosenOptions;
    filmColors = std::move(colors);
    accepted = true;
}

void ChangeTotalVolumeVisualizationOptions::apply(Model::Automaton::TotalVolume &volume)
{
    const Core::BusyScope busy(workspace);
    applyFilmColors();
    volume.getPainter().setVisualizationOptions(options);
    volume.refreshDrawingData();
    // Film colours show in every volume that holds those materials.
    for (const auto &other : workspace.getScene().getCellVolumes()) {
        if (other.get() != &volume)
            other->refreshDrawingData();
    }
}

void ChangeTotalVolumeVisualizationOptions::abandon()
{
    workspace.getCommandInterpreter().reset();
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
