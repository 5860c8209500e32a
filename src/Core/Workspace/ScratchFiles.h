#pragma once

#include <QString>

namespace Core {

// The workspace's two history scratch files, "redo" N ".temp" and "undo" N ".temp" in the
// working directory: created empty at construction, removed at destruction.
class ScratchFiles {
public:
    ScratchFiles();
    ~ScratchFiles();
    ScratchFiles(const ScratchFiles &) = delete;
    ScratchFiles &operator=(const ScratchFiles &) = delete;

    // Empty when no pair could be created (e.g. an unwritable folder): history is then off.
    const QString &getRedoPath() const { return redoPath; }
    const QString &getUndoPath() const { return undoPath; }

private:
    bool tryCreateIn(const QString &folder, unsigned number);

    QString redoPath;
    QString undoPath;
};

} // namespace Core
