#include "Core/Batch/ProcessRunner.h"

#include "Core/Batch/BatchResult.h"
#include "Core/Batch/BatchSteps.h"
#include "Model/Persistence/ProcessData.h"
#include "Model/Persistence/ProcessTypeNames.h"

namespace Core::Batch {

int ProcessRunner::run()
{
    const uint32_t type = entry.getProcessType();
    if (type > Model::Persistence::ProcessTypeNames::kLastType)
        return UnknownProcess;
    const BatchStep *step = BatchSteps::find(type);
    if (!step)
        return NotImplemented;
    return (*step)(entry, context);
}

} // namespace Core::Batch
