#pragma once

#include "Util/IObserver.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace Core::Operations {
class ObjectOperation;
}

namespace Core {

class Workspace;

// The undo and redo stacks of finished object operations (top at the back).
class UndoRedoStacks {
public:
    explicit UndoRedoStacks(Workspace &workspace);

    // Pushes a finished operation and clears the redo stack.
    void push(std::shared_ptr<Operations::ObjectOperation> operation);
    void undo();
    void redo();
    void clear();
    // Empties the redo stack and tells its observers. A change of the cells that leaves no undo
    // entry calls it: redoing an undone step would write that step's cells over the change.
    void dropRedo();

    bool canUndo() const { return !undoStack.empty(); }
    bool canRedo() const { return !redoStack.empty(); }
    size_t undoCount() const { return undoStack.size(); }
    size_t redoCount() const { return redoStack.size(); }
    // Display name of the operation on top, "" when the stack is empty.
    std::string undoName() const;
    std::string redoName() const;
    std::shared_ptr<Operations::ObjectOperation> undoTop() const;
    std::shared_ptr<Operations::ObjectOperation> redoTop() const;

    void addUndoObserver(std::shared_ptr<Util::IObserver> observer);
    void addRedoObserver(std::shared_ptr<Util::IObserver> observer);
    void notifyUndoObservers();
    void notifyRedoObservers();

private:
    Workspace &workspace;
    std::deque<std::shared_ptr<Operations::ObjectOperation>> undoStack;
    std::deque<std::shared_ptr<Operations::ObjectOperation>> redoStack;
    std::vector<std::shared_ptr<Util::IObserver>> undoObservers;
    std::vector<std::shared_ptr<Util::IObserver>> redoObservers;
};

} // namespace Core
