#include "UI/Observers/DocumentOpenedObserver.h"

#include "Core/Operations/Documents/OpenDocumentOperation.h"
#include "Core/Workspace/Workspace.h"
#include "UI/MainWindow.h"
#include "UI/Observers/DocumentFileDialogs.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace Ui::Observers {

using Core::Operations::OpenDocumentOperation;
using Model::Persistence::DocumentFile;

void DocumentOpenedObserver::answer(OpenDocumentOperation &operation)
{
    if (operation.getStage() == OpenDocumentOperation::Stage::ChoosingFile)
        chooseFile(operation);
    else if (operation.getStage() == OpenDocumentOperation::Stage::Opening)
        openDocument(operation);
}

void DocumentOpenedObserver::chooseFile(OpenDocumentOperation &operation)
{
    QString folder = OpenDocumentOperation::lastOpenedFolder();
    if (folder.isEmpty())
        folder = QDir::homePath();
    operation.setChosenFile(QFileDialog::getOpenFileName(mainWindow, QStringLiteral("Choose file"), folder,
                                                         DocumentFileDialogs::kFilter));
}

void DocumentOpenedObserver::openDocument(OpenDocumentOperation &operation)
{
    const DocumentFile::LoadResult result = operation.readDocument();
    if (result.status == DocumentFile::Status::NotOpened) {
        qDebug() << "UI/Observers/documentopenedobserver" << Q_FUNC_INFO << result.error;
        return;
    }
    if (result.status == DocumentFile::Status::Failed) {
        QMessageBox::information(mainWindow, QStringLiteral("Error reading from file"), result.error);
        return;
    }
    const QString fileName = OpenDocumentOperation::lastOpenedFile();
    auto *window = new MainWindow;
    Core::Scene &scene = window->getPresenter().getScene();
    for (const auto &object : result.objects) {
        object->refreshDrawingData();
        scene.addObject(object);
    }
    scene.setFileName(fileName);
    window->setWindowTitle(DocumentFileDialogs::windowTitle(fileName));
    window->showMaximized();
    window->getPresenter().getWorkspace().requestRedraw();
}

} // namespace Ui::Observers
