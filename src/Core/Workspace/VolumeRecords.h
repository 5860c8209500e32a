#pragma once

#include <QMutex>

#include <cstdint>
#include <map>
#include <optional>

namespace Core {

// Per-volume records kept by the workspace, keyed by the volume's object id: the operation id
// of the last process run on it, and whether its cells changed since its silicon lattice was
// built. Guarded, because the batch runner writes them from its worker thread.
class VolumeRecords {
public:
    // Called at the end of every process step.
    void recordProcess(uint32_t volumeId, uint32_t operationId, bool latticeOutdated);

    void setLastProcess(uint32_t volumeId, uint32_t operationId);
    std::optional<uint32_t> getLastProcess(uint32_t volumeId) const;
    void clearLastProcesses();

    void setLatticeOutdated(uint32_t volumeId, bool outdated);
    // A volume without an entry counts as outdated.
    bool isLatticeOutdated(uint32_t volumeId) const;

private:
    mutable QMutex mutex;
    std::map<uint32_t, uint32_t> lastProcess;
    std::map<uint32_t, bool> latticeOutdated;
};

} // namespace Core
