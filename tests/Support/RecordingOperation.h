#pragma once

#include "Core/Operations/Operation.h"
#include "Core/Workspace/Workspace.h"

#include <string>
#include <vector>

namespace TestSupport {

// An operation that writes every call into a shared log, for checking call order.
class RecordingOperation : public Core::Operations::ObjectOperation {
public:
    RecordingOperation(Core::Workspace &workspace, std::string name, std::vector<std::string> &log,
                       int undoResult = 1)
        : ObjectOperation(workspace, name, 99), log(log), undoResult(undoResult)
    {
    }

    void execute() override { log.push_back(getName() + ".execute"); }
    void cancel() override { log.push_back(getName() + ".cancel"); }
    void finish() override { log.push_back(getName() + ".finish"); }
    int undo() override
    {
        log.push_back(getName() + ".undo");
        return undoResult;
    }
    void redo() override { log.push_back(getName() + ".redo"); }

private:
    std::vector<std::string> &log;
    int undoResult;
};

} // namespace TestSupport
