#include "Core/Workspace/VolumeRecords.h"

namespace Core {

void VolumeRecords::recordProcess(uint32_t volumeId, uint32_t operationId, bool outdated)
{
    QMutexLocker lock(&mutex);
    lastProcess[volumeId] = operationId;
    if (outdated)
        latticeOutdated[volumeId] = true;
}

void VolumeRecords::setLastProcess(uint32_t volumeId, uint32_t operationId)
{
    QMutexLocker lock(&mutex);
    lastProcess[volumeId] = operationId;
}

std::optional<uint32_t> VolumeRecords::getLastProcess(uint32_t volumeId) const
{
    QMutexLocker lock(&mutex);
    const auto found = lastProcess.find(volumeId);
    if (found == lastProcess.end())
        return std::nullopt;
    return found->second;
}

void VolumeRecords::clearLastProcesses()
{
    QMutexLocker lock(&mutex);
    lastProcess.clear();
}

void VolumeRecords::setLatticeOutdated(uint32_t volumeId, bool outdated)
{
    QMutexLocker lock(&mutex);
    latticeOutdated[volumeId] = outdated;
}

bool VolumeRecords::isLatticeOutdated(uint32_t volumeId) const
{
    QMutexLocker lock(&mutex);
    const auto found = latticeOutdated.find(volumeId);
    return found == latticeOutdated.end() || found->second;
}

} // namespace Core
