#pragma once

#include "Core/Operations/IOperationFactory.h"
#include "Core/Operations/Operation.h"
#include "Core/Workspace/Workspace.h"
#include "Util/IObserver.h"

#include <functional>
#include <map>
#include <memory>

// A factory built from one function per id, so a test can pair an operation with a fake observer.
class FunctionOperationFactory : public Core::Operations::IOperationFactory {
public:
    using Builder = std::function<std::shared_ptr<Core::Operations::Operation>()>;
    void add(uint32_t id, Builder builder) { builders[id] = std::move(builder); }
    std::shared_ptr<Core::Operations::Operation> create(uint32_t id) override
    {
        const auto found = builders.find(id);
        return found == builders.end() ? nullptr : found->second();
    }

private:
    std::map<uint32_t, Builder> builders;
};

// An observer that calls a function.
class CallbackObserver : public Util::IObserver {
public:
    explicit CallbackObserver(std::function<void()> callback) : callback(std::move(callback)) {}
    void notify() override { callback(); }

private:
    std::function<void()> callback;
};

// Collects what the console was told.
class MessageLog : public Util::IObserver {
public:
    explicit MessageLog(Core::CommandInterpreter &interpreter) : interpreter(interpreter) {}
    void notify() override { messages.push_back(interpreter.getLastMessage()); }
    std::vector<std::string> messages;

private:
    Core::CommandInterpreter &interpreter;
};
