#pragma once

#include "Core/Operations/Operation.h"

#include <QString>

#include <memory>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// The step machine of the geometry exports: choose the cell volume (the selected one, or the
// scene's only one, else wait for a pick and Enter), let the observer ask for the file (stage
// ChoosingFile), write it, and say in the console what was written or why it was not. Exports
// change nothing, so they leave no undo entry.
class ExportFileOperation : public Operation {
public:
    enum class Stage {
        Started,
        ChoosingFile, // the observer sets the file name (empty: cancelled)
    };

    // A file type the save dialog offers: its filter text and its extension.
    struct FileType {
        const char *filter;
        const char *suffix;
    };

    void execute() override;
    void cancel() override;
    void finish() override;

    Stage getStage() const { return stage; }
    void setFileName(const QString &name) { fileName = name; }
    const QString &getFileName() const { return fileName; }
    std::shared_ptr<Model::Automaton::TotalVolume> getVolume() const { return volume; }

    // The types offered, the first being the default.
    virtual std::vector<FileType> fileTypes() const = 0;

protected:
    using Operation::Operation;

    // Writes the file. On success `summary` says what was written ("... written to <file>.");
    // on failure `error` says why, naming the file.
    virtual bool write(Model::Automaton::TotalVolume &volume, const QString &path, QString &summary,
                       QString &error) = 0;

private:
    void setStage(Stage newStage);

    bool ended = false;
    Stage stage = Stage::Started;
    QString fileName;
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
};

} // namespace Core::Operations
