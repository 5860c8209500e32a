#include "Core/Operations/Operation.h"

#include "Core/Workspace/Workspace.h"

namespace Core::Operations {

Operation::Operation(Core::Workspace &workspace, std::string name, uint32_t operationId)
    : workspace(workspace), name(std::move(name)), operationId(operationId)
{
}

void Operation::addObserver(std::shared_ptr<Util::IObserver> observer)
{
    observers.push_back(std::move(observer));
}

void Operation::notifyObservers()
{
    // Observers may open modal dialogs; iterate over a copy in case one is added meanwhile.
    const auto current = observers;
    for (const auto &observer : current)
        observer->notify();
}

void Operation::postNamedMessage(const std::string &sentence)
{
    workspace.getCommandInterpreter().postMessage(name + ": " + sentence);
}

} // namespace Core::Operations
