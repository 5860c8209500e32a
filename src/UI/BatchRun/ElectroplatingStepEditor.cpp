#include "UI/BatchRun/ElectroplatingStepEditor.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/BatchRun/DialogStepEditor.h"
#include "UI/Operations/ElectrodepositionDialog.h"

namespace Ui::BatchRun {

std::shared_ptr<ProcessStepEditor> electroplatingStepEditor()
{
    using Operations::ElectrodepositionDialog;
    return std::make_shared<DialogStepEditor<ElectrodepositionDialog>>(
        [](const ElectrodepositionDialog &dialog) {
            return Core::Batch::ProcessEntries::electroplating(
                dialog.getThickness(), dialog.getConductingMaterialId(), dialog.getDepositedMaterialId());
        });
}

} // namespace Ui::BatchRun
