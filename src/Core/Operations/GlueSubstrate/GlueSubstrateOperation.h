#pragma once

#include "Core/Operations/GlueSubstrate/SubstrateGluing.h"
#include "Core/Operations/Operation.h"

#include <memory>
#include <optional>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Glues a top cell volume onto a base cell volume. The two are picked in turn (or taken from
// the selection: the first selected volume is the base, the last other one the top); the
// observer asks for the result's size, the top's shift and whether to turn it over. The glued
// volume replaces the two sources in the scene; undo brings the sources back.
class GlueSubstrateOperation : public ObjectOperation {
public:
    explicit GlueSubstrateOperation(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;
    int undo() override;
    void redo() override;

    // Both volumes are chosen and measured; null before.
    const SubstrateGluing *getGluing() const { return gluing ? &*gluing : nullptr; }
    // Refused (false) when the placement would put cells outside the result.
    bool setPlacement(const SubstrateGluing::Placement &placement);

    std::shared_ptr<Model::Automaton::TotalVolume> getBase() const { return base; }
    std::shared_ptr<Model::Automaton::TotalVolume> getTop() const { return top; }
    std::shared_ptr<Model::Automaton::TotalVolume> getResult() const { return result; }

private:
    bool chooseBase();
    bool chooseTop();
    void promptFor(const char *sentence);
    void swapInScene(bool glued);

    std::shared_ptr<Model::Automaton::TotalVolume> base;
    std::shared_ptr<Model::Automaton::TotalVolume> top;
    std::shared_ptr<Model::Automaton::TotalVolume> result;
    std::optional<SubstrateGluing> gluing;
    std::optional<SubstrateGluing::Placement> placement;
    bool baseJustChosen = false; // its message already asked for the top
};

} // namespace Core::Operations
