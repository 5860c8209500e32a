#pragma once

#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodOperation.h"

namespace Core::Operations {

// Etches layers of a material from the chosen cell volume, through faces, edges and
// corners. It shares its display name with Moore deposition but keeps history records of its
// own.
class MooreNeighborhoodEtchingOperation : public MooreNeighborhoodOperation {
public:
    static constexpr uint32_t kOperationId = 19;

    explicit MooreNeighborhoodEtchingOperation(Core::Workspace &workspace);

protected:
    void runEngine(Model::Automaton::TotalVolume &volume) override;
};

} // namespace Core::Operations
