#pragma once

#include "Util/IObserver.h"

class QWidget;

namespace Core {
class Workspace;
}

namespace Ui::Observers {

// Shows the Create Substrate dialog and hands the accepted values to the operation.
class CreateSubstrateObserver : public Util::IObserver {
public:
    CreateSubstrateObserver(Core::Workspace &workspace, QWidget *mainWindow)
        : workspace(workspace), mainWindow(mainWindow)
    {
    }
    void notify() override;

private:
    Core::Workspace &workspace;
    QWidget *mainWindow;
};

} // namespace Ui::Observers
