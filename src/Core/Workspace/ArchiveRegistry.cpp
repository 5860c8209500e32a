#include "Core/Workspace/ArchiveRegistry.h"

namespace Core {

ArchiveRegistry::ArchiveRegistry()
    : redoHistory(scratchFiles.getRedoPath()), undoHistory(scratchFiles.getUndoPath())
{
}

void ArchiveRegistry::registerArchiver(uint32_t objectType,
                                       std::shared_ptr<Model::Persistence::ObjectArchiver> archiver)
{
    archivers[objectType] = std::move(archiver);
}

std::shared_ptr<Model::Persistence::ObjectArchiver> ArchiveRegistry::getArchiver(uint32_t objectType) const
{
    const auto found = archivers.find(objectType);
    return found == archivers.end() ? nullptr : found->second;
}

} // namespace Core
