#pragma once

#include "Core/Operations/SiWetEtching/SiWetEtchOperation.h"

namespace Core::Operations {

// "Continuous Wet Etch": the continuous cellular-automaton wet etch of the chosen volume's
// silicon to the depth asked for.
class ContinousWetEtchOperation : public SiWetEtchOperation {
public:
    static constexpr uint32_t kOperationId = 29;

    explicit ContinousWetEtchOperation(Core::Workspace &workspace)
        : SiWetEtchOperation(workspace, "Continuous Wet Etch", kOperationId, SiWetEtchRun::Engine::Continuous)
    {
    }
};

} // namespace Core::Operations
