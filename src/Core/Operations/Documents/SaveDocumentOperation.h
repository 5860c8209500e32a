#pragma once

#include "Core/Operations/Operation.h"

#include <QString>

namespace Core::Operations {

// Writes the scene and the materials catalogue to the document's file. Without a file name the
// observer is asked for one (stage ChoosingFile); after writing it hears of the result (stage
// Saved or WriteFailed): it names the window after the file or tells the user the save failed.
class SaveDocumentOperation : public Operation {
public:
    enum class Stage {
        Started,
        ChoosingFile, // the observer sets the file name (empty: cancelled)
        Saved,
        WriteFailed,
    };

    explicit SaveDocumentOperation(Core::Workspace &workspace);

    void execute() override;
    void cancel() override;
    void finish() override;

    void setFileName(const QString &name) { fileName = name; }
    const QString &getFileName() const { return fileName; }
    Stage getStage() const { return stage; }
    // Why the last write failed.
    const QString &getError() const { return error; }

protected:
    SaveDocumentOperation(Core::Workspace &workspace, std::string name, uint32_t operationId, bool alwaysAsk);

private:
    void setStage(Stage newStage);

    bool alwaysAsk;
    bool ended = false;
    Stage stage = Stage::Started;
    QString fileName;
    QString error;
};

} // namespace Core::Operations
