#include "UI/BatchRun/MooreStepEditor.h"

#include "Core/Batch/ProcessEntries.h"
#include "UI/Operations/MooreOptionsDialog.h"

namespace Ui::BatchRun {

std::optional<Ui::ProcessData> MooreStepEditor::edit(QWidget *parent, const Ui::ProcessData *current)
{
    const bool etching = kind == Kind::Etching;
    Operations::MooreOptionsDialog dialog(parent);
    dialog.setValueLabel(etching ? QStringLiteral("Etch Depth") : QStringLiteral("Film Thickness"));
    if (current)
        dialog.loadParameters(current->getParameters(),
                              etching ? QStringLiteral("Depth") : QStringLiteral("Thickness"));
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const uint32_t material = dialog.getMaterialId();
    return etching ? Core::Batch::ProcessEntries::mooreEtching(material, dialog.getValue())
                   : Core::Batch::ProcessEntries::mooreDeposition(material, dialog.getValue());
}

} // namespace Ui::BatchRun
