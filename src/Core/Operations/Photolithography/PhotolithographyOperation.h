#pragma once

#include "Core/Operations/VolumeStepOperation.h"
#include "Model/Automaton/ImageMask.h"

namespace Core::Operations {

// Develops a photoresist film on the chosen volume through the masks the user loads. A loaded
// mask is shown on the volume until the operation ends; it runs once a resist material is given.
class PhotolithographyOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 20;

    explicit PhotolithographyOperation(Core::Workspace &workspace);

    void setTopMask(const Model::Automaton::ImageMask &mask);
    void setBottomMask(const Model::Automaton::ImageMask &mask);
    const Model::Automaton::ImageMask &getTopMask() const { return topMask; }
    const Model::Automaton::ImageMask &getBottomMask() const { return bottomMask; }
    void setMaterial(uint32_t materialId);
    uint32_t getMaterial() const { return materialId; }

protected:
    bool isReady() const override { return materialSet; }
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    bool outdatesLattice() const override;
    void abandon() override { hideMasks(); }

private:
    void showMasks();
    void hideMasks();

    Model::Automaton::ImageMask topMask;
    Model::Automaton::ImageMask bottomMask;
    uint32_t materialId = 0;
    bool materialSet = false;
};

} // namespace Core::Operations
