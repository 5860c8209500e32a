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

// Stand-ins for what the user interface gives operations: a factory and observers.
namespace TestSupport {

// Builds operations by test-supplied makers, one per id; other ids give no operation.
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

// An observer that calls a function.
class CallbackObserver : public Util::IObserver {
public:
    explicit CallbackObserver(std::function<void()> callback) : callback(std::move(callback)) {}
    void notify() override
    {
        if (callback)
            callback();
    }

private:
    std::function<void()> callback;
};

// Counts notifications.
class CountingObserver : public Util::IObserver {
public:
    void notify() override { ++count; }
    int count = 0;
};

// Collects what the console was told.
class MessageLog : public Util::IObserver {
public:
    explicit MessageLog(Core::CommandInterpreter &interpreter) : interpreter(interpreter) {}
    void notify() override { lines.push_back(interpreter.getLastMessage()); }
    std::vector<std::string> lines;

private:
    Core::CommandInterpreter &interpreter;
};

} // namespace TestSupport
