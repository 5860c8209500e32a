#pragma once

#include "Core/Operations/Operation.h"

#include <memory>
#include <string>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// The step machine of an operation that acts once on one chosen cell volume and leaves no undo
// entry: choose the volume, let the observer ask for the options, then apply them when every
// option was given and write "<name>: <finished sentence>"; otherwise write the cancel sentence.
class VolumeStepOperation : public Operation {
public:
    struct Sentences {
        std::string finished;
        std::string canceled;
    };

    VolumeStepOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                        Sentences sentences);

    void execute() override;
    void cancel() override;
    void finish() override;

    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }

protected:
    // Whether the options the step needs were given.
    virtual bool isReady() const { return true; }
    virtual void apply(Model::Automaton::TotalVolume &volume) = 0;
    // Called once when the operation ends without applying.
    virtual void abandon() {}

private:
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    Sentences sentences;
    bool ended = false;
};

// A process step without undo: runs its engine on the volume, then rebuilds the drawn surface,
// records the process in the workspace's per-volume records and redraws the view.
class ProcessStepOperation : public VolumeStepOperation {
public:
    ProcessStepOperation(Core::Workspace &workspace, std::string name, uint32_t operationId,
                         std::string canceledSentence = "Operation canceled.");

protected:
    static constexpr uint32_t kSilicon = 1;

    void apply(Model::Automaton::TotalVolume &volume) override;
    virtual void runEngine(Model::Automaton::TotalVolume &volume) = 0;
    // Whether the run leaves the volume's silicon lattice outdated.
    virtual bool outdatesLattice() const = 0;
};

} // namespace Core::Operations
