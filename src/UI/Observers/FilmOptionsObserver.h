#pragma once

#include "Core/Workspace/Workspace.h"
#include "Util/IObserver.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <type_traits>

namespace Ui::Observers {

// Shows a process's options dialog when its operation asks for the options: if the workspace's
// current operation is an OperationClass, runs a DialogClass (built with the process id whose
// compatible materials it offers, when it offers materials) modally and, on accept, hands the
// values to the operation.
template <class OperationClass, class DialogClass> class FilmOptionsObserver : public Util::IObserver {
public:
    FilmOptionsObserver(Core::Workspace &workspace, QWidget *dialogParent, uint32_t processId)
        : workspace(workspace), dialogParent(dialogParent), processId(processId)
    {
    }

    void notify() override
    {
        const auto operation = std::dynamic_pointer_cast<OperationClass>(workspace.currentOperation());
        if (!operation)
            return;
        if constexpr (std::is_constructible_v<DialogClass, uint32_t, QWidget *>)
            ask(DialogClass(processId, dialogParent.data()), *operation);
        else
            ask(DialogClass(dialogParent.data()), *operation);
    }

protected:
    virtual void accept(OperationClass &operation, const DialogClass &dialog) = 0;

private:
    void ask(DialogClass &&dialog, OperationClass &operation)
    {
        if (dialog.exec() == QDialog::Accepted)
            accept(operation, dialog);
    }

    Core::Workspace &workspace;
    QPointer<QWidget> dialogParent;
    uint32_t processId;
};

} // namespace Ui::Observers
