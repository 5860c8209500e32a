#pragma once

#include "Core/Operations/Operation.h"
#include "Core/Operations/SiWetEtching/SiWetEtchRun.h"

#include <memory>
#include <optional>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// The step machine of the two silicon wet etchings: choose the volume, let the observer ask for
// the etch depth, and run once both are given (a rejected dialog leaves the operation waiting,
// silent). The run rebuilds the volume's lattice when its cells changed since it was built,
// etches, redraws the volume and writes ": Operation finished.", or says why nothing was etched.
// Wet etchings are not kept for undo.
class SiWetEtchOperation : public Operation {
public:
    SiWetEtchOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                       SiWetEtchRun::Engine engine);

    void execute() override;
    void cancel() override;
    void finish() override;

    // Depths outside [0, SiWetEtchRun::kMaxDepth] are not taken.
    void setDepth(double depth);
    std::optional<double> getDepth() const { return depth; }
    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }
    // The memory a lattice may take (half the physical memory unless set).
    void setLatticeBudget(uint64_t bytes) { latticeBudget = bytes; }

private:
    void etch();

    SiWetEtchRun::Engine engine;
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    std::optional<double> depth;
    uint64_t latticeBudget;
    bool finished = false;
};

} // namespace Core::Operations
