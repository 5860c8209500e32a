#pragma once

#include "Core/Operations/VolumeStepOperation.h"
#include "Model/Automaton/CutBox.h"

#include <optional>

namespace Core::Operations {

// "Change Cut Planes": sets the box of cells the chosen volume's painter draws. Limits set with
// preview are drawn at once; cancelling puts back the box the volume had before.
class CutCellVolumeOperation : public VolumeStepOperation {
public:
    // The number the operation reports (the catalogue builds it for action id 16).
    static constexpr uint32_t kOperationId = 2;

    explicit CutCellVolumeOperation(Core::Workspace &workspace);

    // Lower limits inclusive, upper exclusive, in cells.
    void setCutLimits(const Model::Automaton::CutBox &box, bool preview);

protected:
    bool isReady() const override { return limitsSet; }
    void apply(Model::Automaton::TotalVolume &volume) override;
    void abandon() override;

private:
    void redrawVolume(Model::Automaton::TotalVolume &volume);

    std::optional<Model::Automaton::CutBox> originalBox;
    bool limitsSet = false;
    bool lastPreviewed = false;
};

} // namespace Core::Operations
