#include "Core/Workspace/ArchiveRegistry.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Persistence/TotalVolumeArchiver.h"

namespace Core {

ArchiveRegistry::ArchiveRegistry()
    : redoHistory(scratchFiles.getRedoPath()), undoHistory(scratchFiles.getUndoPath())
{
    HistoryFile::recordStepsIn(undoHistory, redoHistory);
    registerArchiver(Model::Automaton::TotalVolume::kType,
                     std::make_shared<Model::Persistence::TotalVolumeArchiver>());
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

Model::Persistence::ArchiverLookup ArchiveRegistry::lookup() const
{
    return [this](uint32_t objectType) { return getArchiver(objectType); };
}

} // namespace Core
