#pragma once

#include "Core/Operations/VolumeStepOperation.h"

namespace Core::Operations {

// "Pour Material": fills every empty cell of the chosen volume below a height (in cells) with a
// material. Runs once the material and the height are given.
class SpinCoatingOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 23;

    explicit SpinCoatingOperation(Core::Workspace &workspace);

    void setMaterial(uint32_t materialId);
    void setHeight(uint32_t height);
    uint32_t getMaterial() const { return materialId; }
    uint32_t getHeight() const { return height; }

protected:
    bool isReady() const override { return materialSet && heightSet; }
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    // Pouring silicon changes the silicon cells.
    bool outdatesLattice() const override { return materialId == kSilicon; }

private:
    uint32_t materialId = 0;
    uint32_t height = 0;
    bool materialSet = false;
    bool heightSet = false;
};

} // namespace Core::Operations
