#include "Core/Workspace/Workspace.h"

#include "Core/Operations/IOperationFactory.h"
#include "Core/Operations/Operation.h"

namespace Core {

Workspace::Workspace() : undoRedoStacks(*this), selection(pickState)
{
    // An object that leaves the scene (undo, delete, a later operation) must not stay
    // selected, or operations and batch runs would act on an invisible object.
    scene.setRemovalListener(
        [this](const std::shared_ptr<Model::Object> &object) { selection.forget(object); });
}

Workspace::~Workspace()
{
    // Operations refer to the workspace; let them go while everything is still alive.
    releaseCurrent();
    undoRedoStacks.clear();
}

void Workspace::activate(uint32_t operationId)
{
    cancelCurrent();
    std::shared_ptr<Operations::Operation> created;
    if (operationFactory)
        created = operationFactory->create(operationId);
    releaseCurrent();
    current = created;
    if (current) {
        const auto keepAlive = current;
        keepAlive->execute();
    }
}

void Workspace::cancelCurrent()
{
    if (const auto operation = current)
        operation->cancel();
}

void Workspace::finishWithUndo()
{
    if (auto objectOperation = std::dynamic_pointer_cast<Operations::ObjectOperation>(current))
        undoRedoStacks.push(std::move(objectOperation));
    finishWithoutUndo();
}

void Workspace::finishWithoutUndo()
{
    releaseCurrent();
    selection.clear();
    requestRedraw();
}

void Workspace::undo()
{
    undoRedoStacks.undo();
}

void Workspace::redo()
{
    undoRedoStacks.redo();
}

void Workspace::newDocument()
{
    cancelCurrent();
    releaseCurrent();
    selection.clear();
    undoRedoStacks.clear();
    undoRedoStacks.notifyUndoObservers();
    undoRedoStacks.notifyRedoObservers();
    commandInterpreter.reset();
    pickState.clear();
    scene.clear();
    volumeRecords.clearLastProcesses();
    requestRedraw();
}

void Workspace::requestRedraw()
{
    const auto observers = viewUpdateObservers;
    for (const auto &observer : observers)
        observer->notify();
}

void Workspace::addViewUpdateObserver(std::shared_ptr<Util::IObserver> observer)
{
    viewUpdateObservers.push_back(std::move(observer));
}

void Workspace::setBusy(bool busy)
{
    busyDepth += busy ? 1 : -1;
    const bool changed = busy ? busyDepth == 1 : busyDepth == 0;
    if (changed && busyHandler)
        busyHandler(busy);
}

void Workspace::setOperationFactory(std::shared_ptr<Operations::IOperationFactory> factory)
{
    operationFactory = std::move(factory);
}

// The interpreter keeps a raw pointer to the operation that asked for input; it must not
// outlive the operation's time as the current one.
void Workspace::releaseCurrent()
{
    const auto released = std::move(current);
    current.reset();
    if (released)
        commandInterpreter.forget(released.get());
}

} // namespace Core
