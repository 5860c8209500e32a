#include "UI/BatchRun/ElectroplatingStepEditor.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/Operations/ElectrodepositionDialog.h"

namespace Ui::BatchRun {

std::optional<Ui::ProcessData> ElectroplatingStepEditor::edit(QWidget *parent, const Ui::ProcessData *current)
{
    Operations::ElectrodepositionDialog dialog(parent);
    if (current)
        dialog.loadParameters(current->getParameters());
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return Core::Batch::ProcessEntries::electroplating(
        dialog.getThickness(), dialog.getConductingMaterialId(), dialog.getDepositedMaterialId());
}

} // namespace Ui::BatchRun
