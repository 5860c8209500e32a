#pragma once

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Operations/Operation.h"
#include "Core/Workspace/Workspace.h"

#include <memory>
#include <string>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// The step machine of an operation that acts once on one chosen cell volume: choose the volume,
// let the observer ask for the options, then apply them when every option was given and write
// "<name>: <finished sentence>"; otherwise write the cancel sentence. Built on Operation for
// steps without undo, on ObjectOperation for steps that keep an undo entry.
template <class Base> class VolumeStepMachine : public Base {
public:
    struct Sentences {
        std::string finished;
        std::string canceled;
    };

    VolumeStepMachine(Core::Workspace &workspace, std::string name, uint32_t operationId, Sentences sentences)
        : Base(workspace, std::move(name), operationId), sentences(std::move(sentences))
    {
    }

    void execute() override
    {
        if (volume || ended)
            return;
        volume = chooseCellVolume(*this, this->workspace);
        if (!volume)
            return;
        this->notifyObservers();
        finish();
    }

    void cancel() override
    {
        if (ended)
            return;
        ended = true;
        abandon();
        this->postNamedMessage(sentences.canceled);
        this->workspace.finishWithoutUndo();
    }

    void finish() override
    {
        if (ended)
            return;
        if (!volume || !isReady()) {
            if (volume && waitsWhenNotReady())
                return;
            cancel();
            return;
        }
        ended = true;
        apply(*volume);
        this->postNamedMessage(finishedSentence());
        // Keeps an undo entry only for object operations.
        this->workspace.finishWithUndo();
    }

    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }

protected:
    // Whether the options the step needs were given.
    virtual bool isReady() const { return true; }
    // Whether a step whose options were not given (a rejected dialog) stays current and silent
    // until it is cancelled or replaced, instead of cancelling itself at once.
    virtual bool waitsWhenNotReady() const { return false; }
    virtual void apply(Model::Automaton::TotalVolume &volume) = 0;
    // Called once when the operation ends without applying.
    virtual void abandon() {}
    // What the console is told after apply (a step whose outcome varies says it here).
    virtual std::string finishedSentence() const { return sentences.finished; }

private:
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    Sentences sentences;
    bool ended = false;
};

using VolumeStepOperation = VolumeStepMachine<Operation>;

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
