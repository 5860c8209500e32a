#pragma once

#include "Core/Operations/VolumeStepOperation.h"

namespace Core::Operations {

// "Simple RIE": etches one material of the chosen volume vertically, a depth of cells deep from
// its exposed top and/or bottom faces. Runs once the material and the depth are given.
class SimpleReactiveIonEtchingOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 30;

    explicit SimpleReactiveIonEtchingOperation(Core::Workspace &workspace);

    void setMaterial(uint32_t materialId);
    // In cell layers.
    void setDepth(uint32_t depth);
    // SimpleReactiveIonEtching::kFromTop and kFromBelow.
    void setDirections(uint8_t flags) { directions = flags; }
    uint32_t getMaterial() const { return materialId; }
    uint32_t getDepth() const { return depth; }
    uint8_t getDirections() const { return directions; }

protected:
    bool isReady() const override { return materialSet && depthSet; }
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    // Etching silicon changes the silicon cells.
    bool outdatesLattice() const override { return materialId == kSilicon; }

private:
    uint32_t materialId = 0;
    uint32_t depth = 0;
    uint8_t directions = 0;
    bool materialSet = false;
    bool depthSet = false;
};

} // namespace Core::Operations
