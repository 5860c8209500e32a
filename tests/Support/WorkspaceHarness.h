#pragma once

#include "Core/Operations/IOperationFactory.h"
#include "Core/Operations/Operation.h"
#include "Core/Workspace/Workspace.h"
#include "Util/IObserver.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// A workspace for driving operations in tests: console lines are recorded, operations are
// built by test-supplied makers, and a fake observer stands in for the options dialog.
namespace TestSupport {

class MessageLog : public Util::IObserver {
public:
    explicit MessageLog(Core::CommandInterpreter &interpreter) : interpreter(interpreter) {}
    void notify() override { lines.push_back(interpreter.getLastMessage()); }
    std::vector<std::string> lines;

private:
    Core::CommandInterpreter &interpreter;
};

class MakerFactory : public Core::Operations::IOperationFactory {
public:
    using Maker = std::function<std::shared_ptr<Core::Operations::Operation>()>;
    std::shared_ptr<Core::Operations::Operation> create(uint32_t id) override
    {
        const auto found = makers.find(id);
        return found == makers.end() ? nullptr : found->second();
    }
    std::map<uint32_t, Maker> makers;
};

// Stands in for an options dialog: when notified, applies `accept` to the current operation
// when it is of class OperationClass (nothing when `accept` is empty: a rejected dialog).
template <class OperationClass> class FakeOptionsObserver : public Util::IObserver {
public:
    FakeOptionsObserver(Core::Workspace &workspace, std::function<void(OperationClass &)> accept)
        : workspace(workspace), accept(std::move(accept))
    {
    }
    void notify() override
    {
        ++notifications;
        const auto operation = std::dynamic_pointer_cast<OperationClass>(workspace.currentOperation());
        if (operation && accept)
            accept(*operation);
    }
    int notifications = 0;

private:
    Core::Workspace &workspace;
    std::function<void(OperationClass &)> accept;
};

struct WorkspaceHarness {
    WorkspaceHarness()
        : log(std::make_shared<MessageLog>(workspace.getCommandInterpreter())),
          factory(std::make_shared<MakerFactory>())
    {
        workspace.getCommandInterpreter().addMessageObserver(log);
        workspace.setOperationFactory(factory);
    }

    // Registers a maker for `id` that builds the operation with a fake options observer.
    template <class OperationClass>
    void addOperation(uint32_t id, std::function<std::shared_ptr<OperationClass>(Core::Workspace &)> make,
                      std::function<void(OperationClass &)> accept)
    {
        factory->makers[id] = [this, make, accept] {
            auto operation = make(workspace);
            operation->addObserver(std::make_shared<FakeOptionsObserver<OperationClass>>(workspace, accept));
            return operation;
        };
    }

    const std::string &lastMessage() { return workspace.getCommandInterpreter().getLastMessage(); }

    Core::Workspace workspace;
    std::shared_ptr<MessageLog> log;
    std::shared_ptr<MakerFactory> factory;
};

} // namespace TestSupport
