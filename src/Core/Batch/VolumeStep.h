#pragma once

#include "Core/Batch/BatchContext.h"
#include "Core/Batch/BatchResult.h"
#include "Core/Batch/StepParameters.h"
#include "Core/Workspace/VolumeRecords.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Batch {

// Ends a step that works on the current cell volume, once its parameters have been read: when
// one was missing or invalid, returns that code and changes nothing; otherwise runs `process`
// on the volume, records `operationId` as its last process (and its silicon lattice as
// outdated when `outdatesLattice`), and returns 0.
template <class Process>
int runVolumeStep(const StepParameters &parameters, BatchContext &context, uint32_t operationId,
                  bool outdatesLattice, Process process)
{
    if (const int code = parameters.resultCode())
        return code;
    const auto volume = context.getCurrentVolume();
    if (!volume)
        return InvalidParameter;
    process(*volume);
    context.getRecords().recordProcess(volume->getObjectId(), operationId, outdatesLattice);
    return Success;
}

// The same for a step whose values need checks of their own: `problem` says why they cannot be
// run, or is empty. It counts only once every parameter was read; it is then reported to the
// run, and the step returns 2 and changes nothing.
template <class Process>
int runVolumeStep(const StepParameters &parameters, const QString &problem, BatchContext &context,
                  uint32_t operationId, bool outdatesLattice, Process process)
{
    if (parameters.resultCode() == Success && !problem.isEmpty()) {
        context.reportProblem(problem);
        return InvalidParameter;
    }
    return runVolumeStep(parameters, context, operationId, outdatesLattice, process);
}

} // namespace Core::Batch
