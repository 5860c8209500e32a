#pragma once

#include <cstdint>
#include <functional>

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// One process type's batch step: reads its parameters, builds and runs the same engine as the
// interactive operation, records the step on the volume, and returns a result code.
using BatchStep = std::function<int(const Ui::ProcessData &, BatchContext &)>;

// The step of each process type.
class BatchSteps {
public:
    // Null for a type whose engine is not part of the program yet (result 4) and for a type
    // outside the process table (result 3).
    static const BatchStep *find(uint32_t processType);
};

} // namespace Core::Batch
