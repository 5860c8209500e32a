#pragma once

#include "Core/Workspace/Workspace.h"
#include "UI/DialogPlacement.h"
#include "UI/Operations/MaterialOffer.h"
#include "Util/IObserver.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <type_traits>

namespace Ui::Observers {

// Shows a process's options dialog when its operation asks for the options: if the workspace's
// current operation is an OperationClass, runs a DialogClass modally, beside the scene, and, on
// accept, hands the values to the operation. A dialog built from a MaterialOffer gets the
// compatible materials of the process; one built from a process id gets that id. `prepare` may
// fill the dialog from the operation and connect it before it is shown; `reject` hears of a
// rejected dialog.
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
        if constexpr (std::is_constructible_v<DialogClass, Ui::Operations::MaterialOffer, QWidget *>) {
            DialogClass dialog(Ui::Operations::MaterialOffer::compatibleWith(processId), dialogParent.data());
            run(*operation, dialog);
        } else if constexpr (std::is_constructible_v<DialogClass, uint32_t, QWidget *>) {
            DialogClass dialog(processId, dialogParent.data());
            run(*operation, dialog);
        } else {
            DialogClass dialog(dialogParent.data());
            run(*operation, dialog);
        }
    }

protected:
    virtual void prepare(OperationClass &, DialogClass &) {}
    virtual void accept(OperationClass &operation, const DialogClass &dialog) = 0;
    virtual void reject(OperationClass &) {}

private:
    void run(OperationClass &operation, DialogClass &dialog)
    {
        prepare(operation, dialog);
        DialogPlacement::besideScene(dialog, dialogParent.data());
        if (dialog.exec() == QDialog::Accepted)
            accept(operation, dialog);
        else
            reject(operation);
    }

    Core::Workspace &workspace;
    QPointer<QWidget> dialogParent;
    uint32_t processId;
};

} // namespace Ui::Observers
