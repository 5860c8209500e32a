#pragma once

#include "Util/IObserver.h"

#include <QPointer>
#include <QWidget>

namespace Core {
class Workspace;
}

namespace Ui::Observers {

// The user-interface side of Save and Save As: asks for the file name, names the window after
// the saved document, or says that the document could not be written.
class DocumentSavedObserver : public Util::IObserver {
public:
    DocumentSavedObserver(Core::Workspace &workspace, QWidget *mainWindow)
        : workspace(workspace), mainWindow(mainWindow)
    {
    }
    void notify() override;

private:
    Core::Workspace &workspace;
    QPointer<QWidget> mainWindow;
};

} // namespace Ui::Observers
