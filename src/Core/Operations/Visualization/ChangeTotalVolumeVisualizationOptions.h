#pragma once

#include "Core/Operations/Operation.h"
#include "Model/Automaton/VisualizationOptions.h"
#include "Model/Materials/Material.h"

#include <map>
#include <memory>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Changes how a cell volume is drawn: its surface algorithm, empty-cell outlines, particle-count
// view and atom rendering, and the colours of materials (films). Chooses a volume, lets its
// observer show the options (starting from the volume's current ones) and applies them. Nothing
// to undo: the cells stay as they are.
class ChangeTotalVolumeVisualizationOptions : public Operation {
public:
    static constexpr uint32_t kOperationId = 6;
    // New colours by material id.
    using FilmColors = std::map<uint32_t, Model::Materials::RgbaColor>;

    explicit ChangeTotalVolumeVisualizationOptions(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;

    // The chosen volume (null until chosen) and the options it is drawn with.
    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }
    Model::Automaton::VisualizationOptions currentOptions() const;
    // The accepted dialog: the volume's new options and the material colours changed in it.
    void setOptions(const Model::Automaton::VisualizationOptions &chosenOptions, FilmColors colors = {});

private:
    void applyFilmColors();

    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    Model::Automaton::VisualizationOptions options;
    FilmColors filmColors;
    bool chosen = false;
    bool accepted = false;
};

} // namespace Core::Operations
