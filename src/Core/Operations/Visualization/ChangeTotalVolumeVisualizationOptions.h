#pragma once

#include "Core/Operations/VolumeStepOperation.h"
#include "Model/Automaton/VisualizationOptions.h"
#include "Model/Materials/Material.h"

#include <map>
#include <memory>

namespace Core::Operations {

// Changes how a cell volume is drawn: its surface algorithm, empty-cell outlines, particle-count
// view and atom rendering, and the colours of materials (films). Chooses a volume, lets its
// observer show the options (starting from the volume's current ones) and applies them. Nothing
// to undo: the cells stay as they are. A rejected dialog leaves the operation waiting silently.
class ChangeTotalVolumeVisualizationOptions : public VolumeStepOperation {
public:
    static constexpr uint32_t kOperationId = 6;
    // New colours by material id.
    using FilmColors = std::map<uint32_t, Model::Materials::RgbaColor>;

    explicit ChangeTotalVolumeVisualizationOptions(Core::Workspace &workspace);

    // The options the chosen volume is drawn with (the defaults before one is chosen).
    Model::Automaton::VisualizationOptions currentOptions() const;
    // The accepted dialog: the volume's new options and the material colours changed in it.
    void setOptions(const Model::Automaton::VisualizationOptions &chosenOptions, FilmColors colors = {});

protected:
    bool isReady() const override { return accepted; }
    bool waitsWhenNotReady() const override { return true; }
    void apply(Model::Automaton::TotalVolume &volume) override;
    void abandon() override;

private:
    void applyFilmColors();

    Model::Automaton::VisualizationOptions options;
    FilmColors filmColors;
    bool accepted = false;
};

} // namespace Core::Operations
