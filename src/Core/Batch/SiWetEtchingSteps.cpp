#include "Core/Batch/SiWetEtchingSteps.h"

#include "Core/Batch/BatchContext.h"
#include "Core/Batch/BatchResult.h"
#include "Core/Batch/StepParameters.h"
#include "Core/Operations/SiWetEtching/AtomisticSiWetEtchingOperation.h"
#include "Core/Operations/SiWetEtching/ContinousWetEtchOperation.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>

namespace Core::Batch {
namespace {

using Core::Operations::SiWetEtchResult;
using Core::Operations::SiWetEtchRun;

// Reads the depth and etches the current volume, rebuilding its lattice when its cells changed.
// A volume without silicon is a step that did nothing; a lattice too large for memory stops the
// run with code 2.
int runWetEtchStep(const Ui::ProcessData &entry, BatchContext &context, SiWetEtchRun::Engine engine,
                   uint32_t recordedOperation)
{
    StepParameters p(entry);
    const double depth = p.toDouble(QStringLiteral("Depth"));
    if (const int code = p.resultCode())
        return code;
    const auto volume = context.getCurrentVolume();
    if (!volume || !SiWetEtchRun::isValidDepth(depth))
        return InvalidParameter;
    const SiWetEtchResult result =
        SiWetEtchRun::run(engine, *volume, context.getRecords(), depth, recordedOperation);
    if (result.status == SiWetEtchResult::Status::Etched)
        return Success;
    qWarning().noquote() << "Si wet etching:" << QString::fromStdString(result.explanation());
    return result.status == SiWetEtchResult::Status::NoSilicon ? Success : InvalidParameter;
}

} // namespace

int runSiWetEtchingStep(const Ui::ProcessData &entry, BatchContext &context)
{
    return runWetEtchStep(entry, context, SiWetEtchRun::Engine::Atomistic,
                          Core::Operations::AtomisticSiWetEtchingOperation::kOperationId);
}

int runContinuousSiWetEtchingStep(const Ui::ProcessData &entry, BatchContext &context)
{
    return runWetEtchStep(entry, context, SiWetEtchRun::Engine::Continuous,
                          Core::Operations::ContinousWetEtchOperation::kOperationId);
}

} // namespace Core::Batch
