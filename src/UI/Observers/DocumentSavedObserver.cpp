#include "UI/Observers/DocumentSavedObserver.h"

#include "Core/Operations/Documents/SaveDocumentOperation.h"
#include "Core/Workspace/Workspace.h"
#include "UI/Input/SaveFileName.h"
#include "UI/Observers/DocumentFileDialogs.h"

#include <QDir>
#include <QMessageBox>

namespace Ui::Observers {

using Core::Operations::SaveDocumentOperation;

void DocumentSavedObserver::answer(SaveDocumentOperation &operation)
{
    switch (operation.getStage()) {
    case SaveDocumentOperation::Stage::ChoosingFile:
        operation.setFileName(Input::SaveFileName::ask(mainWindow, QStringLiteral("Choose location"),
                                                       QDir::homePath(), DocumentFileDialogs::kFilter,
                                                       QStringLiteral("cfb")));
        break;
    case SaveDocumentOperation::Stage::Saved:
        if (mainWindow)
            mainWindow->setWindowTitle(DocumentFileDialogs::windowTitle(operation.getFileName()));
        break;
    case SaveDocumentOperation::Stage::WriteFailed:
        QMessageBox::information(mainWindow, QStringLiteral("Error writing to file"),
                                 QStringLiteral("Unable to save document to the specified file."));
        break;
    case SaveDocumentOperation::Stage::Started: break;
    }
}

} // namespace Ui::Observers
