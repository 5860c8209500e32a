#pragma once

#include "Core/Workspace/HistoryFile.h"
#include "Core/Workspace/ScratchFiles.h"
#include "Model/Persistence/ObjectArchiver.h"

#include <map>
#include <memory>

namespace Core {

// The document archivers by object type, and the workspace's cell-history files.
class ArchiveRegistry {
public:
    ArchiveRegistry();

    void registerArchiver(uint32_t objectType, std::shared_ptr<Model::Persistence::ObjectArchiver> archiver);
    // Null for a type without an archiver.
    std::shared_ptr<Model::Persistence::ObjectArchiver> getArchiver(uint32_t objectType) const;
    // `getArchiver` as a function for the document reader and writer (valid while this lives).
    Model::Persistence::ArchiverLookup lookup() const;

    HistoryFile &getUndoHistory() { return undoHistory; }
    HistoryFile &getRedoHistory() { return redoHistory; }

private:
    std::map<uint32_t, std::shared_ptr<Model::Persistence::ObjectArchiver>> archivers;
    ScratchFiles scratchFiles;
    HistoryFile redoHistory;
    HistoryFile undoHistory;
};

} // namespace Core
