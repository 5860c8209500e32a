#pragma once

#include "Core/Operations/VolumeStepOperation.h"

#include <optional>

namespace Core::Operations {

// "Simple RIE": etches one material of the chosen volume vertically, a depth of cell layers deep
// from its exposed top and/or bottom faces. Runs once the material and the depth are given.
class SimpleReactiveIonEtchingOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 30;

    explicit SimpleReactiveIonEtchingOperation(Core::Workspace &workspace);

    void setMaterial(uint32_t id) { materialId = id; }
    void setDepth(uint32_t layers) { depth = layers; }
    // SimpleReactiveIonEtching::kFromTop and kFromBelow.
    void setDirections(uint8_t flags) { directions = flags; }

protected:
    bool isReady() const override { return materialId && depth; }
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    // Etching silicon changes the silicon cells.
    bool outdatesLattice() const override { return materialId == kSilicon; }

private:
    std::optional<uint32_t> materialId;
    std::optional<uint32_t> depth;
    uint8_t directions = 0;
};

} // namespace Core::Operations
