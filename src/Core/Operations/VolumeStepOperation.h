#pragma once

#include "Core/Operations/CellVolumeChoice.h"
#include "Core/Operations/Operation.h"
#include "Core/Workspace/Workspace.h"

#include <functional>
#include <memory>
#include <string>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// The step machine of an operation that acts once on one chosen cell volume: choose the volume,
// let the observer ask for the options, then apply them when every option was given and write
// "<name>: <finished sentence>"; otherwise write the cancel sentence (none when it is empty).
// Built on Operation for steps without undo, on ObjectOperation for steps that keep an undo
// entry.
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
        volume = chooseVolume();
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
        if (!sentences.canceled.empty())
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
        // Only object operations are kept for undo.
        if (keepsUndoEntry())
            this->workspace.finishWithUndo();
        else
            this->workspace.finishWithoutUndo();
    }

    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }

protected:
    // The volume to act on, or null after asking the user for one (the next Enter executes again).
    virtual std::shared_ptr<Model::Automaton::TotalVolume> chooseVolume()
    {
        return chooseCellVolume(*this, this->workspace);
    }
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
    // Whether the applied step leaves something to undo.
    virtual bool keepsUndoEntry() const { return true; }

private:
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    Sentences sentences;
    bool ended = false;
};

using VolumeStepOperation = VolumeStepMachine<Operation>;

// The run every process step shares: under a busy cursor, runs `engine` (its time goes to the
// debug log); when the engine could not get its working memory (slab tasks report that as their
// own exception type) calls `recover` and says so; then rebuilds the volume's drawn surface,
// records the process in the workspace's per-volume records and redraws the view.
void runProcessEngine(Operation &operation, Core::Workspace &workspace, Model::Automaton::TotalVolume &volume,
                      const std::function<void()> &engine, const std::function<void()> &recover,
                      bool outdatesLattice);

// A process step: the volume step machine that runs the process's engine once the options were
// given, writing ": Operation finished." (or its cancel sentence).
template <class Base> class ProcessStepMachine : public VolumeStepMachine<Base> {
public:
    ProcessStepMachine(Core::Workspace &workspace, std::string name, uint32_t operationId,
                       std::string canceledSentence = "Operation canceled.")
        : VolumeStepMachine<Base>(workspace, std::move(name), operationId,
                                  {"Operation finished.", std::move(canceledSentence)})
    {
    }

protected:
    // Builds and runs the process's engine on the volume.
    virtual void runEngine(Model::Automaton::TotalVolume &volume) = 0;
    // Whether the run leaves the volume's silicon lattice outdated.
    virtual bool outdatesLattice() const = 0;
    // Puts back what it can after the engine failed for want of memory.
    virtual void recover(Model::Automaton::TotalVolume &) {}

    void apply(Model::Automaton::TotalVolume &volume) override
    {
        runProcessEngine(
            *this, this->workspace, volume, [this, &volume] { runEngine(volume); },
            [this, &volume] { recover(volume); }, outdatesLattice());
    }
};

// A process step without undo. Its change of the cells leaves the redo stack stale, so it empties
// it.
class ProcessStepOperation : public ProcessStepMachine<Operation> {
public:
    using ProcessStepMachine::ProcessStepMachine;

protected:
    void apply(Model::Automaton::TotalVolume &volume) override;
};

} // namespace Core::Operations
