#pragma once

#include "Core/Workspace/Workspace.h"
#include "Util/IObserver.h"

#include <QPointer>
#include <QWidget>

#include <memory>

namespace Ui::Observers {

// The user-interface side of one operation class: when notified while the workspace's current
// operation is an OperationClass, answers it (asks the user what it needs, shows its outcome),
// with the main window as the parent of whatever it shows.
template <class OperationClass> class OperationObserver : public Util::IObserver {
public:
    OperationObserver(Core::Workspace &workspace, QWidget *mainWindow)
        : workspace(workspace), mainWindow(mainWindow)
    {
    }

    void notify() override
    {
        if (const auto operation = std::dynamic_pointer_cast<OperationClass>(workspace.currentOperation()))
            answer(*operation);
    }

protected:
    virtual void answer(OperationClass &operation) = 0;

    Core::Workspace &workspace;
    QPointer<QWidget> mainWindow;
};

} // namespace Ui::Observers
