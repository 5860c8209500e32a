#pragma once

#include "Core/Operations/SiWetEtching/SiWetEtchOperation.h"

namespace Core::Operations {

// "BCA Wet Etch": the atomistic wet etch of the chosen volume's silicon to the depth asked for.
class AtomisticSiWetEtchingOperation : public SiWetEtchOperation {
public:
    static constexpr uint32_t kOperationId = 28;

    explicit AtomisticSiWetEtchingOperation(Core::Workspace &workspace)
        : SiWetEtchOperation(workspace, "BCA Wet Etch", kOperationId, SiWetEtchRun::Engine::Atomistic)
    {
    }
};

} // namespace Core::Operations
