#pragma once

#include "Model/Persistence/ProcessData.h"

#include <optional>

class QWidget;

namespace Ui::BatchRun {

// Edits one process-list entry with its process's options dialog, the same dialog the
// interactive operation shows.
class ProcessStepEditor {
public:
    virtual ~ProcessStepEditor() = default;
    // Shows the dialog, filled from `current` when it is given (Modify). The new entry when the
    // dialog was accepted.
    virtual std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) = 0;
};

// The editor of each process type.
class ProcessStepEditors {
public:
    // Null for a process type without an options dialog yet.
    static ProcessStepEditor *find(uint32_t processType);
};

} // namespace Ui::BatchRun
