#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"
#include "UI/Operations/MaterialChoice.h"

#include <QDialog>

namespace Ui::BatchRun {

// Edits a step with a process's options dialog that offers every material of the catalogue,
// loads a stored step with `loadParameters` and turns its values into a new entry with
// `toEntry`.
template <class Dialog> class DialogStepEditor : public ProcessStepEditor {
public:
    using EntryMaker = Ui::ProcessData (*)(const Dialog &dialog);

    explicit DialogStepEditor(EntryMaker toEntry) : toEntry(toEntry) {}

    std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) override
    {
        Dialog dialog(Operations::MaterialChoice::kEveryMaterial, parent);
        if (current)
            dialog.loadParameters(current->getParameters());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return toEntry(dialog);
    }

private:
    EntryMaker toEntry;
};

} // namespace Ui::BatchRun
