#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

namespace Ui::BatchRun {

// Electroplating (type 7): the electroplating options dialog.
class ElectroplatingStepEditor : public ProcessStepEditor {
public:
    std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) override;
};

} // namespace Ui::BatchRun
