#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

namespace Ui::BatchRun {

// Si wet etching, atomistic (type 1) or continuous (type 20): the wet etching depth dialog.
class SiWetEtchingStepEditor : public ProcessStepEditor {
public:
    explicit SiWetEtchingStepEditor(uint32_t processType) : processType(processType) {}
    std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) override;

private:
    uint32_t processType;
};

} // namespace Ui::BatchRun
