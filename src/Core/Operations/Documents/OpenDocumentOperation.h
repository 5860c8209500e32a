#pragma once

#include "Core/Operations/Operation.h"
#include "Model/Persistence/DocumentFile.h"

#include <QString>

#include <memory>

namespace Core::Operations {

// Opens a document. The observer is asked for the file (stage ChoosingFile) and then, on
// finish, told to open it (stage Opening): it reads the file with `readDocument` and shows the
// objects in a window of their own. Material conflicts go to the conflict resolver.
class OpenDocumentOperation : public Operation {
public:
    enum class Stage {
        Started,
        ChoosingFile, // the observer sets the chosen file (empty: cancelled)
        Opening,
    };

    explicit OpenDocumentOperation(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;

    void setChosenFile(const QString &path) { chosenFile = path; }
    Stage getStage() const { return stage; }
    void setConflictResolver(std::shared_ptr<Model::Persistence::IMaterialConflictResolver> resolver);

    // Reads the last opened file. On success its materials are merged into the catalogue; the
    // program-wide material id remap table gains the document's entries.
    Model::Persistence::DocumentFile::LoadResult readDocument();

    // Kept for the program's lifetime: the next open dialog starts in that folder.
    static QString lastOpenedFile();
    static QString lastOpenedFolder();

private:
    void setStage(Stage newStage);

    bool ended = false;
    Stage stage = Stage::Started;
    QString chosenFile;
    std::shared_ptr<Model::Persistence::IMaterialConflictResolver> conflictResolver;
};

} // namespace Core::Operations
