#pragma once

#include "Core/Operations/AnisotropicFilmDeposition/DirectionalFilmOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDeposition.h"

namespace Core::Operations {

// Physical vapour deposition on the top, bottom or both faces of the chosen cell volume. Its
// display name is the one isotropic deposition has ("Isotropic Deposition"); its history
// records have a key of their own, so they never mix with an isotropic deposition's.
class SimplePhysicalVaporDepositionOperation : public DirectionalFilmOperation {
public:
    static constexpr uint32_t kOperationId = 31;

    explicit SimplePhysicalVaporDepositionOperation(Core::Workspace &workspace);

    void setThickness(float thickness) { setDistance(thickness); }
    float getThickness() const { return getDistance(); }
    void setDepositSide(DepositSide value) { side = value; }
    DepositSide getDepositSide() const { return side; }

protected:
    void runEngine(Model::Automaton::TotalVolume &volume) override;

private:
    DepositSide side = DepositSide::Top;
};

} // namespace Core::Operations
