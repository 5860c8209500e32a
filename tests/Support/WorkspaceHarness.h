#pragma once

#include "Support/OperationTestSupport.h"

// A workspace for driving operations in tests: console lines are recorded, operations are
// built by test-supplied makers, and a fake observer stands in for the options dialog.
namespace TestSupport {

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
        const auto operation = std::dynamic_pointer_cast<OperationClass>(workspace.currentOperation());
        if (operation && accept)
            accept(*operation);
    }

private:
    Core::Workspace &workspace;
    std::function<void(OperationClass &)> accept;
};

// A maker for MakerFactory: OperationClass built on `workspace` with a fake options observer.
template <class OperationClass>
MakerFactory::Maker withFakeDialog(Core::Workspace &workspace, std::function<void(OperationClass &)> accept)
{
    return [&workspace, accept] {
        auto operation = std::make_shared<OperationClass>(workspace);
        operation->addObserver(std::make_shared<FakeOptionsObserver<OperationClass>>(workspace, accept));
        return operation;
    };
}

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

    // The same for an operation built from the workspace alone; no `accept`: a rejected dialog.
    template <class OperationClass>
    void add(uint32_t id, std::function<void(OperationClass &)> accept = nullptr)
    {
        factory->makers[id] = withFakeDialog<OperationClass>(workspace, std::move(accept));
    }

    const std::string &lastMessage() { return workspace.getCommandInterpreter().getLastMessage(); }

    Core::Workspace workspace;
    std::shared_ptr<MessageLog> log;
    std::shared_ptr<MakerFactory> factory;
};

} // namespace TestSupport
