#pragma once

#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/VolumeStepOperation.h"

namespace Core::Operations {

// Ion implantation of the chosen cell volume (no undo record). Runs only once the doped
// material and the three distances were given.
class IonImplantationOperation : public ProcessStepOperation {
public:
    static constexpr uint32_t kOperationId = 3;

    explicit IonImplantationOperation(Core::Workspace &workspace);

    void setMaterial(uint32_t materialId);
    void setImplantationDepth(float depth);
    void setVerticalSpread(float spread);
    void setAnnealingDistance(float distance);

protected:
    bool isReady() const override;
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    // Implanting always outdates the volume's silicon lattice.
    bool outdatesLattice() const override { return true; }

private:
    uint32_t dopedMaterial = 0;
    ImplantationProfile profile;
    bool materialSet = false;
    bool depthSet = false;
    bool spreadSet = false;
    bool annealingSet = false;
};

} // namespace Core::Operations
