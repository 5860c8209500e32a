#pragma once

#include "Core/Operations/VolumeStepOperation.h"
#include "Model/Automaton/ImageMask.h"

#include <optional>

namespace Core::Operations {

// "Masked Cut": hides the cell columns of the chosen volume that a top-down mask leaves open
// (through the cells' cut counters). The mask is shown above the volume until the cut is made;
// the cut runs once a mask was given. Undo takes one cut off those columns again; redo cuts
// them again.
class MaskedCutCellVolumeOperation : public VolumeStepMachine<ObjectOperation> {
public:
    static constexpr uint32_t kOperationId = 34;

    explicit MaskedCutCellVolumeOperation(Core::Workspace &workspace);

    int undo() override;
    void redo() override;

    // The mask to cut with, shown on the volume.
    void setMask(const Model::Automaton::ImageMask &mask);
    // Shows a mask on the volume (an empty one shows none) without choosing it.
    void showMask(const Model::Automaton::ImageMask &mask);

protected:
    bool isReady() const override { return mask.has_value(); }
    void apply(Model::Automaton::TotalVolume &volume) override;
    void abandon() override { showMask(Model::Automaton::ImageMask()); }

private:
    void cutWith(bool cut);

    std::optional<Model::Automaton::ImageMask> mask;
};

} // namespace Core::Operations
