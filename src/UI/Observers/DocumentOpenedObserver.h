#pragma once

#include "Util/IObserver.h"

#include <QPointer>
#include <QWidget>

namespace Core {
class Workspace;
}

namespace Core::Operations {
class OpenDocumentOperation;
}

namespace Ui::Observers {

// The user-interface side of Open: asks for the file, then reads it and shows its objects in a
// new main window named after the document. The issuing window stays as it was; a document that
// cannot be read opens no window and is reported in a message box.
class DocumentOpenedObserver : public Util::IObserver {
public:
    DocumentOpenedObserver(Core::Workspace &workspace, QWidget *mainWindow)
        : workspace(workspace), mainWindow(mainWindow)
    {
    }
    void notify() override;

private:
    void chooseFile(Core::Operations::OpenDocumentOperation &operation);
    void openDocument(Core::Operations::OpenDocumentOperation &operation);

    Core::Workspace &workspace;
    QPointer<QWidget> mainWindow;
};

} // namespace Ui::Observers
