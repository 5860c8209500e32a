#pragma once

#include "Core/Operations/MaterialProcessOperation.h"

#include <optional>

namespace Core::Operations {

// "Simple RIE": etches one material of the chosen volume vertically, a depth of cell layers deep
// from its exposed top and/or bottom faces. Runs once the material and the depth are given.
class SimpleReactiveIonEtchingOperation : public WithMaterial<ProcessStepOperation> {
public:
    static constexpr uint32_t kOperationId = 30;

    explicit SimpleReactiveIonEtchingOperation(Core::Workspace &workspace);

    void setDepth(uint32_t layers) { depth = layers; }
    // SimpleReactiveIonEtching::kFromTop and kFromBelow.
    void setDirections(uint8_t flags) { directions = flags; }

protected:
    bool isReady() const override { return isMaterialSet() && depth; }
    void runEngine(Model::Automaton::TotalVolume &volume) override;

private:
    std::optional<uint32_t> depth;
    uint8_t directions = 0;
};

} // namespace Core::Operations
