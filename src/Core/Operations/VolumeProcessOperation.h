#pragma once

#include "Core/Operations/Operation.h"

#include <memory>
#include <string>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// The step machine of the cell processes that keep no undo record: choose the volume, let the
// observer ask for the options, then run the engine, rebuild the drawn surface, note the process
// (and an outdated silicon lattice) in the workspace's per-volume records and finish. Ending
// without a volume or without usable options cancels.
class VolumeProcessOperation : public Operation {
public:
    VolumeProcessOperation(Core::Workspace &workspace, std::string name, uint32_t operationId);

    void execute() override;
    void cancel() override;
    void finish() override;

    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }

protected:
    // Whether the options were given and are usable; says why not when they are unusable.
    virtual bool readyToRun() = 0;
    virtual void runEngine(Model::Automaton::TotalVolume &volume) = 0;

private:
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    bool ended = false;
};

} // namespace Core::Operations
