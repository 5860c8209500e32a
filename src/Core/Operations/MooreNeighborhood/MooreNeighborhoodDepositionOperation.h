#pragma once

#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodOperation.h"

namespace Core::Operations {

// Deposits layers of a material on every exposed solid of the chosen cell volume, through
// faces, edges and corners.
class MooreNeighborhoodDepositionOperation : public MooreNeighborhoodOperation {
public:
    static constexpr uint32_t kOperationId = 18;

    explicit MooreNeighborhoodDepositionOperation(Core::Workspace &workspace);

protected:
    void runEngine(Model::Automaton::TotalVolume &volume) override;
};

} // namespace Core::Operations
