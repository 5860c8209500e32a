#include "Core/Operations/Documents/OpenDocumentOperation.h"

#include "Core/Workspace/Workspace.h"

#include <QFileInfo>

namespace Core::Operations {
namespace {

// The open path's state for the program's lifetime (user-interface thread only).
struct OpenPathState {
    QString lastFile;
    QString lastFolder;
    Model::Persistence::MaterialIdMap remap; // not emptied between documents
};

OpenPathState &openPathState()
{
    static OpenPathState state;
    return state;
}

} // namespace

OpenDocumentOperation::OpenDocumentOperation(Core::Workspace &workspace)
    : Operation(workspace, "Open document", 11)
{
}

void OpenDocumentOperation::execute()
{
    if (ended)
        return;
    chosenFile.clear();
    setStage(Stage::ChoosingFile);
    if (chosenFile.isEmpty()) {
        cancel();
        return;
    }
    openPathState().lastFile = chosenFile;
    openPathState().lastFolder = QFileInfo(chosenFile).absolutePath();
    finish();
}

void OpenDocumentOperation::cancel()
{
    ended = true;
    workspace.finishWithoutUndo();
}

void OpenDocumentOperation::finish()
{
    if (ended)
        return;
    ended = true;
    setStage(Stage::Opening);
    workspace.finishWithoutUndo();
}

void OpenDocumentOperation::setConflictResolver(
    std::shared_ptr<Model::Persistence::IMaterialConflictResolver> resolver)
{
    conflictResolver = std::move(resolver);
}

Model::Persistence::DocumentFile::LoadResult OpenDocumentOperation::readDocument()
{
    Model::Persistence::DocumentFile::LoadOptions options;
    options.archivers = workspace.getArchiveRegistry().lookup();
    options.remap = &openPathState().remap;
    options.resolver = conflictResolver.get();
    Core::CommandInterpreter &interpreter = workspace.getCommandInterpreter();
    options.warning = [&interpreter](const QString &text) { interpreter.postMessage(text.toStdString()); };
    const Core::BusyScope busy(workspace);
    return Model::Persistence::DocumentFile::load(openPathState().lastFile, options);
}

QString OpenDocumentOperation::lastOpenedFile()
{
    return openPathState().lastFile;
}

QString OpenDocumentOperation::lastOpenedFolder()
{
    return openPathState().lastFolder;
}

void OpenDocumentOperation::setStage(Stage newStage)
{
    stage = newStage;
    notifyObservers();
}

} // namespace Core::Operations
