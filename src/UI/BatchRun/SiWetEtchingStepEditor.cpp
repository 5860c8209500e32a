#include "UI/BatchRun/SiWetEtchingStepEditor.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/Operations/BCAEtchingDialog.h"

namespace Ui::BatchRun {

std::optional<Ui::ProcessData> SiWetEtchingStepEditor::edit(QWidget *parent, const Ui::ProcessData *current)
{
    Operations::BCAEtchingDialog dialog(parent);
    if (current)
        dialog.loadParameters(current->getParameters());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Core::Batch::ProcessEntries::siWetEtching(processType, dialog.getDepth());
}

} // namespace Ui::BatchRun
