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
// current operation is an OperationClass, runs a DialogClass modally and, on accept, hands the
// values to the operation. A dialog that offers a process's compatible materials is built with
// that process id; one that offers every catalogue material with its parent only.
template <class OperationClass, class DialogClass> class FilmOptionsObserver : public Util::IObserver {
public:
    FilmOptionsObserver(Core::Workspace &workspace, QWidget *dialogParent, uint32_t processId = 0)
        : workspace(workspace), dialogParent(dialogParent), processId(processId)
    {
    }

    void notify() override
    {
        const auto operation = std::dynamic_pointer_cast<OperationClass>(workspace.currentOperation());
        if (!operation)
            return;
        auto dialog = makeDialog();
        prepare(*dialog);
        if (dialog->exec() == QDialog::Accepted)
            accept(*operation, *dialog);
    }

protected:
    // Adjusts the dialog before it is shown (texts that depend on the process).
    virtual void prepare(DialogClass &) {}
    virtual void accept(OperationClass &operation, const DialogClass &dialog) = 0;

private:
    std::unique_ptr<DialogClass> makeDialog() const
    {
        if constexpr (std::is_constructible_v<DialogClass, uint32_t, QWidget *>)
            return std::make_unique<DialogClass>(processId, dialogParent.data());
        else
            return std::make_unique<DialogClass>(dialogParent.data());
    }

    Core::Workspace &workspace;
    QPointer<QWidget> dialogParent;
    uint32_t processId;
};

} // namespace Ui::Observers
