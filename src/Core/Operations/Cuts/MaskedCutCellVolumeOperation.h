#pragma once

#include "Core/Operations/Operation.h"
#include "Model/Automaton/ImageMask.h"

#include <memory>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// "Masked Cut": hides the cell columns of the chosen volume that a top-down mask leaves open
// (through the cells' cut counters). The loaded mask is shown above the volume until the cut is
// made. Undo takes one cut off those columns again; redo cuts them again.
class MaskedCutCellVolumeOperation : public ObjectOperation {
public:
    static constexpr uint32_t kOperationId = 34;

    explicit MaskedCutCellVolumeOperation(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;
    int undo() override;
    void redo() override;

    // The mask to cut with, shown on the volume; the cut runs once a mask was given.
    void setMask(const Model::Automaton::ImageMask &mask);
    // Shows a mask on the volume (an empty one shows none) without choosing it.
    void showMask(const Model::Automaton::ImageMask &mask);
    const Model::Automaton::ImageMask &getMask() const { return mask; }
    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }

private:
    void cutWith(bool cut);

    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    Model::Automaton::ImageMask mask;
    bool maskSet = false;
    bool ended = false;
};

} // namespace Core::Operations
