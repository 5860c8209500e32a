#pragma once

#include "UI/DialogPlacement.h"
#include "UI/Observers/OperationObserver.h"
#include "UI/Operations/MaterialOffer.h"

#include <QDialog>

#include <type_traits>

namespace Ui::Observers {

// Shows a process's options dialog when its operation asks for the options: if the workspace's
// current operation is an OperationClass, runs a DialogClass modally, beside the scene, and, on
// accept, hands the values to the operation. A dialog built from a MaterialOffer gets the
// compatible materials of the process; one built from a process id gets that id. `prepare` may
// fill the dialog from the operation and connect it before it is shown; `reject` hears of a
// rejected dialog.
template <class OperationClass, class DialogClass>
class FilmOptionsObserver : public OperationObserver<OperationClass> {
public:
    FilmOptionsObserver(Core::Workspace &workspace, QWidget *dialogParent, uint32_t processId = 0)
        : OperationObserver<OperationClass>(workspace, dialogParent), processId(processId)
    {
    }

protected:
    void answer(OperationClass &operation) override
    {
        QWidget *parent = this->mainWindow.data();
        if constexpr (std::is_constructible_v<DialogClass, Ui::Operations::MaterialOffer, QWidget *>) {
            DialogClass dialog(Ui::Operations::MaterialOffer::compatibleWith(processId), parent);
            run(operation, dialog);
        } else if constexpr (std::is_constructible_v<DialogClass, uint32_t, QWidget *>) {
            DialogClass dialog(processId, parent);
            run(operation, dialog);
        } else {
            DialogClass dialog(parent);
            run(operation, dialog);
        }
    }

    virtual void prepare(OperationClass &, DialogClass &) {}
    virtual void accept(OperationClass &operation, const DialogClass &dialog) = 0;
    virtual void reject(OperationClass &) {}

private:
    void run(OperationClass &operation, DialogClass &dialog)
    {
        prepare(operation, dialog);
        DialogPlacement::besideScene(dialog, this->mainWindow.data());
        if (dialog.exec() == QDialog::Accepted)
            accept(operation, dialog);
        else
            reject(operation);
    }

    uint32_t processId;
};

} // namespace Ui::Observers
