#include "UI/BatchRun/SiWetEtchingStepEditor.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/BatchRun/DialogStepEditor.h"
#include "UI/Operations/BCAEtchingDialog.h"

namespace Ui::BatchRun {

std::shared_ptr<ProcessStepEditor> siWetEtchingStepEditor(uint32_t processType)
{
    using Operations::BCAEtchingDialog;
    return std::make_shared<DialogStepEditor<BCAEtchingDialog>>(
        [processType](const BCAEtchingDialog &dialog) {
            return Core::Batch::ProcessEntries::siWetEtching(processType, dialog.getDepth());
        });
}

} // namespace Ui::BatchRun
