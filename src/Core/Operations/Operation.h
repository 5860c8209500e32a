#pragma once

#include "Util/IObserver.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace Core {
class Workspace;
}

namespace Core::Operations {

// A user action that lives while the user is prompted for its inputs. Exactly one is current.
// `execute` runs when the operation becomes current and after every delivered input; `cancel`
// gives up without an undo entry; `finish` applies the result (or stays current while inputs
// are missing).
class Operation : public std::enable_shared_from_this<Operation> {
public:
    Operation(Core::Workspace &workspace, std::string name, uint32_t operationId);
    virtual ~Operation() = default;
    Operation(const Operation &) = delete;
    Operation &operator=(const Operation &) = delete;

    virtual void execute() = 0;
    virtual void cancel() = 0;
    virtual void finish() = 0;

    const std::string &getName() const { return name; }
    uint32_t getOperationId() const { return operationId; }
    void addObserver(std::shared_ptr<Util::IObserver> observer);

protected:
    void notifyObservers();
    // Writes "<name>: <sentence>" to the console.
    void postNamedMessage(const std::string &sentence);

    Core::Workspace &workspace;

private:
    std::string name;
    uint32_t operationId;
    std::vector<std::shared_ptr<Util::IObserver>> observers;
};

// An operation whose result can be undone and redone; only these are kept on the stacks.
class ObjectOperation : public Operation {
public:
    using Operation::Operation;
    // 1 when reverted (the operation moves to the redo stack), 0 when it could not be.
    virtual int undo() = 0;
    virtual void redo() = 0;
};

} // namespace Core::Operations
