#pragma once

#include "Core/Operations/VolumeStepOperation.h"

#include <optional>

namespace Core::Operations {

// Cuts the chosen volume down to the slab between a minimum and a maximum height (in cells).
// Runs once both heights are given.
class PlanarizationOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 22;

    explicit PlanarizationOperation(Core::Workspace &workspace);

    void setMaximumHeight(uint32_t height) { maximumHeight = height; }
    void setMinimumHeight(uint32_t height) { minimumHeight = height; }

protected:
    bool isReady() const override { return maximumHeight && minimumHeight; }
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    // Planarization always counts as changing the silicon.
    bool outdatesLattice() const override { return true; }

private:
    std::optional<uint32_t> maximumHeight;
    std::optional<uint32_t> minimumHeight;
};

} // namespace Core::Operations
