#pragma once

#include "Util/IObserver.h"

#include <QPointer>
#include <QWidget>

namespace Core {
class Workspace;
}

namespace Ui::Observers {

// Asks how to glue the two chosen volumes and hands the placement to Glue Volumes.
class GlueSubstrateObserver : public Util::IObserver {
public:
    GlueSubstrateObserver(Core::Workspace &workspace, QWidget *mainWindow)
        : workspace(workspace), mainWindow(mainWindow)
    {
    }
    void notify() override;

private:
    Core::Workspace &workspace;
    QPointer<QWidget> mainWindow;
};

} // namespace Ui::Observers
