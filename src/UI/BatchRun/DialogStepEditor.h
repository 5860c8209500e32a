#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

#include <QDialog>

#include <functional>

namespace Ui::BatchRun {

// Edits an entry with an options dialog built from its parent alone: the dialog is filled from
// the entry's parameters (`loadParameters`) and, when accepted, `makeEntry` turns it into the new
// entry.
template <class Dialog> class DialogStepEditor : public ProcessStepEditor {
public:
    using MakeEntry = std::function<Ui::ProcessData(const Dialog &)>;

    explicit DialogStepEditor(MakeEntry makeEntry) : makeEntry(std::move(makeEntry)) {}

    std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) override
    {
        Dialog dialog(parent);
        if (current)
            dialog.loadParameters(current->getParameters());
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return makeEntry(dialog);
    }

private:
    MakeEntry makeEntry;
};

} // namespace Ui::BatchRun
