#pragma once

#include "Core/Workspace/Workspace.h"
#include "UI/DialogPlacement.h"
#include "UI/Operations/MaterialOffer.h"
#include "Util/IObserver.h"

#include <QDialog>
#include <QPointer>
#include <QWidget>

#include <memory>

namespace Ui::Observers {

// Shows a process's options dialog when its operation asks for the options: if the workspace's
// current operation is an OperationClass, runs a DialogClass (built with the compatible
// materials of the process) modally and, on accept, hands the values to the operation.
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
        DialogClass dialog(Ui::Operations::MaterialOffer::compatibleWith(processId), dialogParent.data());
        DialogPlacement::besideScene(dialog, dialogParent.data());
        if (dialog.exec() == QDialog::Accepted)
            accept(*operation, dialog);
    }

protected:
    virtual void accept(OperationClass &operation, const DialogClass &dialog) = 0;

private:
    Core::Workspace &workspace;
    QPointer<QWidget> dialogParent;
    uint32_t processId;
};

} // namespace Ui::Observers
