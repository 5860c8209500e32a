#pragma once

#include "Core/Operations/VolumeStepOperation.h"
#include "Model/Automaton/ImageMask.h"

#include <optional>

namespace Core::Operations {

// Develops a photoresist film on the chosen volume through the masks the user loads. A loaded
// mask is shown on the volume until the operation ends; it runs once a resist material is given.
class PhotolithographyOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 20;

    explicit PhotolithographyOperation(Core::Workspace &workspace);

    void setTopMask(const Model::Automaton::ImageMask &mask);
    void setBottomMask(const Model::Automaton::ImageMask &mask);
    void setMaterial(uint32_t id) { materialId = id; }

protected:
    bool isReady() const override { return materialId.has_value(); }
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    bool outdatesLattice() const override { return materialId == kSilicon; }
    void abandon() override { showMasks({}, {}); }

private:
    void showMasks(const Model::Automaton::ImageMask &top, const Model::Automaton::ImageMask &bottom);

    Model::Automaton::ImageMask topMask;
    Model::Automaton::ImageMask bottomMask;
    std::optional<uint32_t> materialId;
};

} // namespace Core::Operations
