#pragma once

#include "Core/Operations/SiWetEtching/SiWetEtchRun.h"
#include "Core/Operations/VolumeStepOperation.h"

#include <optional>
#include <string>

namespace Core::Operations {

// The two silicon wet etchings on the shared volume step machine: once a volume is chosen and
// the etch depth given, the volume's lattice is rebuilt when its cells changed since it was
// built, the silicon is etched and the volume redrawn; the console says ": Operation
// finished." or why nothing was etched. Wet etchings are not kept for undo; an etch empties the
// redo stack.
class SiWetEtchOperation : public VolumeStepOperation {
public:
    SiWetEtchOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                       SiWetEtchRun::Engine engine);

    // Depths outside [0, SiWetEtchRun::kMaxDepth] are not taken.
    void setDepth(double depth);
    std::optional<double> getDepth() const { return depth; }
    // The memory a lattice may take (half the physical memory unless set).
    void setLatticeBudget(uint64_t bytes) { latticeBudget = bytes; }

protected:
    bool isReady() const override { return depth.has_value(); }
    void apply(Model::Automaton::TotalVolume &volume) override;
    std::string finishedSentence() const override { return sentence; }

private:
    SiWetEtchRun::Engine engine;
    std::optional<double> depth;
    uint64_t latticeBudget;
    std::string sentence = "Operation finished.";
};

} // namespace Core::Operations
