#include "Core/Workspace/UndoRedoStacks.h"

#include "Core/Operations/Operation.h"
#include "Core/Workspace/Workspace.h"

namespace Core {
namespace {

void notifyAll(const std::vector<std::shared_ptr<Util::IObserver>> &observers)
{
    const auto copy = observers;
    for (const auto &observer : copy)
        observer->notify();
}

} // namespace

UndoRedoStacks::UndoRedoStacks(Workspace &workspace) : workspace(workspace) {}

void UndoRedoStacks::push(std::shared_ptr<Operations::ObjectOperation> operation)
{
    undoStack.push_back(std::move(operation));
    redoStack.clear();
    notifyUndoObservers();
    notifyRedoObservers();
}

void UndoRedoStacks::undo()
{
    if (undoStack.empty())
        return;
    auto operation = undoStack.back();
    undoStack.pop_back();
    workspace.cancelCurrent();
    if (operation->undo() == 0) {
        undoStack.push_back(operation);
    } else {
        redoStack.push_back(operation);
        notifyRedoObservers();
    }
    notifyUndoObservers();
}

void UndoRedoStacks::redo()
{
    if (redoStack.empty())
        return;
    auto operation = redoStack.back();
    redoStack.pop_back();
    workspace.cancelCurrent();
    operation->redo();
    undoStack.push_back(operation);
    notifyUndoObservers();
    notifyRedoObservers();
}

void UndoRedoStacks::clear()
{
    undoStack.clear();
    redoStack.clear();
}

void UndoRedoStacks::dropRedo()
{
    if (redoStack.empty())
        return;
    redoStack.clear();
    notifyRedoObservers();
}

std::string UndoRedoStacks::undoName() const
{
    return undoStack.empty() ? std::string() : undoStack.back()->getName();
}

std::string UndoRedoStacks::redoName() const
{
    return redoStack.empty() ? std::string() : redoStack.back()->getName();
}

std::shared_ptr<Operations::ObjectOperation> UndoRedoStacks::undoTop() const
{
    return undoStack.empty() ? nullptr : undoStack.back();
}

std::shared_ptr<Operations::ObjectOperation> UndoRedoStacks::redoTop() const
{
    return redoStack.empty() ? nullptr : redoStack.back();
}

void UndoRedoStacks::addUndoObserver(std::shared_ptr<Util::IObserver> observer)
{
    undoObservers.push_back(std::move(observer));
}

void UndoRedoStacks::addRedoObserver(std::shared_ptr<Util::IObserver> observer)
{
    redoObservers.push_back(std::move(observer));
}

void UndoRedoStacks::notifyUndoObservers()
{
    notifyAll(undoObservers);
}

void UndoRedoStacks::notifyRedoObservers()
{
    notifyAll(redoObservers);
}

} // namespace Core
