#pragma once

#include "Core/Operations/Operation.h"

#include <memory>
#include <string>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// The first step of a batch run: takes the last selected cell volume, or, when the user types
// an answer beginning with "n", no volume at all; then its observer opens the batch dialog.
class SelectVolumesOperation : public Operation {
public:
    explicit SelectVolumesOperation(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;

    // The chosen volume; null when the user chose to start without one.
    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }
    bool isChosen() const { return chosen; }

private:
    bool chosen = false;
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    std::string answer;
};

} // namespace Core::Operations
