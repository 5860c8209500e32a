#pragma once

#include "Core/Operations/VolumeStepOperation.h"

#include <QString>

#include <vector>

namespace Core::Operations {

// The geometry exports: the volume step machine whose observer asks for the file to write
// (empty: cancelled). The console then says what was written or why nothing was. Exports
// change nothing, so they leave no undo entry.
class ExportFileOperation : public VolumeStepOperation {
public:
    // A file type the save dialog offers: its filter text and its extension.
    struct FileType {
        const char *filter;
        const char *suffix;
    };

    void setFileName(const QString &name) { fileName = name; }
    const QString &getFileName() const { return fileName; }

    // The types offered, the first being the default.
    virtual std::vector<FileType> fileTypes() const = 0;

protected:
    ExportFileOperation(Core::Workspace &workspace, std::string name, uint32_t operationId);

    bool isReady() const override { return !fileName.isEmpty(); }
    void apply(Model::Automaton::TotalVolume &volume) override;
    std::string finishedSentence() const override { return outcome; }

    // Writes the file. On success `summary` says what was written ("... written to <file>.");
    // on failure `error` says why, naming the file.
    virtual bool write(Model::Automaton::TotalVolume &volume, const QString &path, QString &summary,
                       QString &error) = 0;

private:
    QString fileName;
    std::string outcome;
};

} // namespace Core::Operations
