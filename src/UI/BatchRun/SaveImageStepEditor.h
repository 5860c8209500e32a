#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

namespace Ui::BatchRun {

// Save Image: asks for the image file the step writes.
class SaveImageStepEditor : public ProcessStepEditor {
public:
    std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) override;
};

} // namespace Ui::BatchRun
