#pragma once

#include "Core/Operations/MaterialProcessOperation.h"

#include <optional>

namespace Core::Operations {

// "Pour Material": fills every empty cell of the chosen volume below a height (in cells) with a
// material. Runs once the material and the height are given.
class SpinCoatingOperation : public WithMaterial<ProcessStepOperation> {
public:
    static constexpr uint32_t kOperationId = 23;

    explicit SpinCoatingOperation(Core::Workspace &workspace);

    void setHeight(uint32_t cells) { height = cells; }

protected:
    bool isReady() const override { return isMaterialSet() && height; }
    void runEngine(Model::Automaton::TotalVolume &volume) override;

private:
    std::optional<uint32_t> height;
};

} // namespace Core::Operations
