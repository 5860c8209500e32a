#pragma once

#include <cstdint>

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Runs one entry of a process list through its type's batch step.
class ProcessRunner {
public:
    ProcessRunner(const Ui::ProcessData &entry, BatchContext &context) : entry(entry), context(context) {}

    // The step's result code; 4 for a known type without a step yet, 3 for an unknown type.
    int run();

private:
    const Ui::ProcessData &entry;
    BatchContext &context;
};

} // namespace Core::Batch
