#include "Core/Batch/ProcessListRun.h"

#include "Core/Batch/BatchContext.h"
#include "Core/Batch/BatchResult.h"
#include "Core/Batch/ProcessRunner.h"
#include "Model/Persistence/ProcessTypeNames.h"

#include <QDebug>
#include <QElapsedTimer>

namespace Core::Batch {

namespace {
constexpr uint32_t kCreateSubstrate = 11;
} // namespace

const char *const ProcessListRun::kMissingVolumeTitle = "Missing Cell Volume";
const char *const ProcessListRun::kMissingVolumeText =
    "No cell volume was selected and a cell volume was not created. The cell volume must be created before "
    "any "
    "other process.";

ProcessListRun::Outcome ProcessListRun::run(const std::vector<Ui::ProcessData> &entries,
                                            BatchContext &context, const StepObserver &onStep)
{
    for (size_t i = 0; i < entries.size(); ++i) {
        const Ui::ProcessData &entry = entries[i];
        if (!context.getCurrentVolume() && entry.getProcessType() != kCreateSubstrate)
            return Outcome::MissingVolume;
        StepReport report;
        report.position = i + 1;
        report.processType = entry.getProcessType();
        report.displayName = Model::Persistence::ProcessTypeNames::displayName(entry.getProcessType());
        QElapsedTimer timer;
        timer.start();
        report.resultCode = ProcessRunner(entry, context).run();
        report.problem = context.takeProblem();
        report.milliseconds = timer.elapsed();
        if (onStep)
            onStep(report);
        if (report.resultCode != Success) {
            qDebug() << "UI/BatchRun/runprocessesdialog" << Q_FUNC_INFO
                     << QStringLiteral("Could not run process %1 : %2 %3")
                            .arg(report.displayName, resultMessage(report.resultCode), report.problem)
                            .trimmed();
            return Outcome::StepFailed;
        }
    }
    return Outcome::Completed;
}

} // namespace Core::Batch
