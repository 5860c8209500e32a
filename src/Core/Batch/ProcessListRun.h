#pragma once

#include "Model/Persistence/ProcessData.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace Core::Batch {

class BatchContext;

// What one step of a run did.
struct StepReport {
    size_t position = 0; // 1-based
    uint32_t processType = 0;
    QString displayName;
    int resultCode = 0;
    QString problem; // what the step said about a failure, beyond its result code
    qint64 milliseconds = 0;
};

// Runs the entries of a process list in order on the context's current volume, as the batch
// dialog and the headless batch command both do. The run stops at the first step that fails,
// leaving the earlier steps applied, and before any step other than Create Substrate while
// there is no current volume.
class ProcessListRun {
public:
    enum class Outcome {
        Completed,
        StepFailed,
        MissingVolume,
    };
    using StepObserver = std::function<void(const StepReport &)>;

    // `onStep` hears of every step that ran, failed ones included.
    static Outcome run(const std::vector<Ui::ProcessData> &entries, BatchContext &context,
                       const StepObserver &onStep = {});

    // The text shown when a run ends without a cell volume.
    static const char *const kMissingVolumeTitle;
    static const char *const kMissingVolumeText;
};

} // namespace Core::Batch
