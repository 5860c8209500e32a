#include "Core/Operations/Documents/SaveDocumentOperation.h"

#include "Core/Workspace/Workspace.h"
#include "Model/Persistence/DocumentFile.h"

#include <QDebug>

namespace Core::Operations {

using Model::Persistence::DocumentFile;

SaveDocumentOperation::SaveDocumentOperation(Core::Workspace &workspace)
    : SaveDocumentOperation(workspace, "Save document", 9, false)
{
}

SaveDocumentOperation::SaveDocumentOperation(Core::Workspace &workspace, std::string name,
                                             uint32_t operationId, bool alwaysAsk)
    : Operation(workspace, std::move(name), operationId), alwaysAsk(alwaysAsk)
{
}

void SaveDocumentOperation::execute()
{
    if (ended)
        return;
    fileName = alwaysAsk ? QString() : workspace.getScene().getFileName();
    if (fileName.isEmpty())
        setStage(Stage::ChoosingFile);
    finish();
}

void SaveDocumentOperation::cancel()
{
    ended = true;
    workspace.finishWithoutUndo();
}

void SaveDocumentOperation::finish()
{
    if (ended)
        return;
    if (fileName.isEmpty()) {
        cancel();
        return;
    }
    ended = true;
    Core::Scene &scene = workspace.getScene();
    DocumentFile::Status status;
    {
        const Core::BusyScope busy(workspace);
        status =
            DocumentFile::save(fileName, scene.getObjects(), workspace.getArchiveRegistry().lookup(), &error);
    }
    if (status == DocumentFile::Status::Done) {
        scene.setFileName(fileName);
        setStage(Stage::Saved);
    } else if (status == DocumentFile::Status::Failed) {
        setStage(Stage::WriteFailed);
    } else {
        qDebug() << "Core/Operations/Documents/savedocumentoperation" << Q_FUNC_INFO << error;
    }
    workspace.finishWithoutUndo();
}

void SaveDocumentOperation::setStage(Stage newStage)
{
    stage = newStage;
    notifyObservers();
}

} // namespace Core::Operations
