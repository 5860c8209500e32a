#pragma once

#include "Core/Operations/CellProcessOperation.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkParameters.h"
#include "Model/Automaton/ParticleCounts.h"

#include <optional>

namespace Core::Operations {

// Random-walk doping of the chosen cell volume. Runs only once the options were given, and
// refuses options the walk cannot run with (saying why). Undo and redo restore the volume's
// particle counts with its cells: undo puts back the field as it was before the run (none when
// the run created it), redo the field the run left.
class RandomWalkDopingOperation : public CellProcessOperation {
public:
    static constexpr uint32_t kOperationId = 36;

    explicit RandomWalkDopingOperation(Core::Workspace &workspace);

    void setParameters(const RandomWalkParameters &values);
    // Draws from this seed instead of one from the clock.
    void setSeed(uint64_t value) { seed = value; }

    int undo() override;
    void redo() override;

protected:
    // The options were given and the walk can run with them.
    bool isReady() const override;
    // Says why given options cannot be run before cancelling.
    void abandon() override;
    void runEngine(Model::Automaton::TotalVolume &volume) override;
    bool outdatesLattice() const override { return true; }

private:
    void restoreField(const Model::Automaton::SharedParticleCountField &field);

    RandomWalkParameters parameters;
    bool parametersSet = false;
    std::optional<uint64_t> seed;
    Model::Automaton::SharedParticleCountField fieldBefore;
    Model::Automaton::SharedParticleCountField fieldAfter;
};

} // namespace Core::Operations
