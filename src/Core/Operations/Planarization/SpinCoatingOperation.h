#pragma once

#include "Core/Operations/VolumeStepOperation.h"

#include <optional>

namespace Core::Operations {

// "Pour Material": fills every empty cell of the chosen volume below a height (in cells) with a
// material. Runs once the material and the height are given.
class SpinCoatingOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 23;

    explicit SpinCoatingOperation(Core::Workspace &workspace);

    void setMaterial(uint32_t id) { materialId = id; }
    void setHeight(uint32_t cells) { height = cells; }

protected:
    bool isReady() const override { return materialId && height; }
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    // Pouring silicon changes the silicon cells.
    bool outdatesLattice() const override { return materialId == kSilicon; }

private:
    std::optional<uint32_t> materialId;
    std::optional<uint32_t> height;
};

} // namespace Core::Operations
