#pragma once

#include "Core/Operations/VolumeStepOperation.h"

namespace Core::Operations {

// "Remove Cuts": shows every cell of the chosen volume again, however many masked cuts hid it.
class RemoveCutsFromVolumeOperation : public VolumeStepOperation {
public:
    static constexpr uint32_t kOperationId = 35;

    explicit RemoveCutsFromVolumeOperation(Core::Workspace &workspace);

protected:
    void apply(Model::Automaton::TotalVolume &volume) override;
};

} // namespace Core::Operations
