#pragma once

#include "Core/Workspace/ArchiveRegistry.h"
#include "Core/Workspace/CommandInterpreter.h"
#include "Core/Workspace/PickState.h"
#include "Core/Workspace/Scene.h"
#include "Core/Workspace/Selection.h"
#include "Core/Workspace/UndoRedoStacks.h"
#include "Core/Workspace/VolumeRecords.h"
#include "Util/IObserver.h"

#include <functional>
#include <memory>
#include <vector>

namespace Core::Operations {
class Operation;
class IOperationFactory;
} // namespace Core::Operations

namespace Core {

// One per main window: the current operation, the scene, the selection, the undo and redo
// stacks, the console's interpreter and the observers through which operations reach the
// user interface. Runs on the user-interface thread.
class Workspace {
public:
    Workspace();
    ~Workspace();
    Workspace(const Workspace &) = delete;
    Workspace &operator=(const Workspace &) = delete;

    // Cancels the current operation, creates the one with this catalogue id and executes it.
    void activate(uint32_t operationId);
    void cancelCurrent();
    // Ends the current operation, keeping it for undo when it is an object operation.
    void finishWithUndo();
    void finishWithoutUndo();
    void undo();
    void redo();
    // Empties the scene, the stacks and the pending input (after the user confirmed).
    void newDocument();
    void requestRedraw();

    CommandInterpreter &getCommandInterpreter() { return commandInterpreter; }
    PickState &getPickState() { return pickState; }
    Scene &getScene() { return scene; }
    Selection &getSelection() { return selection; }
    UndoRedoStacks &getUndoRedoStacks() { return undoRedoStacks; }
    ArchiveRegistry &getArchiveRegistry() { return archiveRegistry; }
    VolumeRecords &getVolumeRecords() { return volumeRecords; }
    void addViewUpdateObserver(std::shared_ptr<Util::IObserver> observer);

    // The user interface shows a busy cursor while long work runs on its thread.
    void setBusyHandler(std::function<void(bool busy)> handler) { busyHandler = std::move(handler); }
    void setBusy(bool busy);

    void setOperationFactory(std::shared_ptr<Operations::IOperationFactory> factory);
    std::shared_ptr<Operations::Operation> currentOperation() const { return current; }

private:
    void releaseCurrent();

    std::shared_ptr<Operations::Operation> current;
    CommandInterpreter commandInterpreter;
    PickState pickState;
    Scene scene;
    UndoRedoStacks undoRedoStacks;
    std::vector<std::shared_ptr<Util::IObserver>> viewUpdateObservers;
    Selection selection;
    ArchiveRegistry archiveRegistry;
    VolumeRecords volumeRecords;
    std::shared_ptr<Operations::IOperationFactory> operationFactory;
    std::function<void(bool)> busyHandler;
    int busyDepth = 0;
};

// Marks the workspace busy for the lifetime of a scope (nests).
class BusyScope {
public:
    explicit BusyScope(Workspace &workspace) : workspace(workspace) { workspace.setBusy(true); }
    ~BusyScope() { workspace.setBusy(false); }
    BusyScope(const BusyScope &) = delete;
    BusyScope &operator=(const BusyScope &) = delete;

private:
    Workspace &workspace;
};

} // namespace Core
