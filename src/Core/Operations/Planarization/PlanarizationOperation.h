#pragma once

#include "Core/Operations/VolumeStepOperation.h"

namespace Core::Operations {

// Cuts the chosen volume down to the slab between a minimum and a maximum height (in cells).
// Runs once both heights are given.
class PlanarizationOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 22;

    explicit PlanarizationOperation(Core::Workspace &workspace);

    void setMaximumHeight(uint32_t height);
    void setMinimumHeight(uint32_t height);
    uint32_t getMaximumHeight() const { return maximumHeight; }
    uint32_t getMinimumHeight() const { return minimumHeight; }

protected:
    bool isReady() const override { return maximumSet && minimumSet; }
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    // Planarization always counts as changing the silicon.
    bool outdatesLattice() const override { return true; }

private:
    uint32_t maximumHeight = 0;
    uint32_t minimumHeight = 0;
    bool maximumSet = false;
    bool minimumSet = false;
};

} // namespace Core::Operations
