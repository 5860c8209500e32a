#pragma once

#include "Core/Operations/FilmProcessOperation.h"

namespace Core::Operations {

// Electroplates the chosen cell volume: a film of the deposited material grown from the
// conducting material. Runs only when the dialog gave the thickness and both materials.
class ElectrodepositionOperation : public FilmProcessOperation {
public:
    static constexpr uint32_t kOperationId = 15;

    explicit ElectrodepositionOperation(Core::Workspace &workspace);

    void setThickness(float thickness) { setDistance(thickness); }
    float getThickness() const { return getDistance(); }
    void setDepositedMaterial(uint32_t materialId) { setMaterial(materialId); }
    uint32_t getDepositedMaterial() const { return getMaterial(); }
    void setConductingMaterial(uint32_t materialId);
    uint32_t getConductingMaterial() const { return conductingMaterialId; }

protected:
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    bool isReady() const override;
    // Plating leaves the silicon lattice record alone.
    bool outdatesLattice() const override { return false; }

private:
    uint32_t conductingMaterialId = 0;
    bool conductingSet = false;
};

} // namespace Core::Operations
