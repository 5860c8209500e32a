#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

namespace Ui::BatchRun {

// Create Substrate: the Create Substrate dialog, preset from the entry.
class CreateSubstrateStepEditor : public ProcessStepEditor {
public:
    std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) override;
};

} // namespace Ui::BatchRun
