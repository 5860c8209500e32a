#pragma once

#include "Util/IObserver.h"

#include <QPointer>
#include <QWidget>

namespace Core {
class Workspace;
}

namespace Ui::Observers {

// The user-interface side of the geometry exports: asks for the file to write, offering the
// operation's file types. A name typed without one of their extensions gets the extension of
// the chosen type. The next dialog starts in the folder of the last export.
class ExportFileObserver : public Util::IObserver {
public:
    ExportFileObserver(Core::Workspace &workspace, QWidget *mainWindow)
        : workspace(workspace), mainWindow(mainWindow)
    {
    }
    void notify() override;

private:
    Core::Workspace &workspace;
    QPointer<QWidget> mainWindow;
};

} // namespace Ui::Observers
