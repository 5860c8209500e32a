#pragma once

#include "Core/Operations/MaterialProcessOperation.h"
#include "Model/Automaton/ImageMask.h"

#include <optional>

namespace Core::Operations {

// Develops a photoresist film on the chosen volume through the masks the user loads. A loaded
// mask is shown on the volume until the operation ends; it runs once a resist material is given.
class PhotolithographyOperation : public WithMaterial<ProcessStepOperation> {
public:
    static constexpr uint32_t kOperationId = 20;

    explicit PhotolithographyOperation(Core::Workspace &workspace);

    void setTopMask(const Model::Automaton::ImageMask &mask);
    void setBottomMask(const Model::Automaton::ImageMask &mask);

protected:
    bool isReady() const override { return isMaterialSet(); }
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    void abandon() override { showMasks({}, {}); }

private:
    void showMasks(const Model::Automaton::ImageMask &top, const Model::Automaton::ImageMask &bottom);

    Model::Automaton::ImageMask topMask;
    Model::Automaton::ImageMask bottomMask;
};

} // namespace Core::Operations
