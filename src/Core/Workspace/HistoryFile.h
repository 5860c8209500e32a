#pragma once

#include "Core/Workspace/CellSnapshot.h"

#include <QString>

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core {

class CellChanges;

// One scratch file of cell-history records, appended to; where each record starts is remembered,
// so restoring reads only its own record. A record starts with a line of its key word, its
// instance number, the word "changes" and the byte count of the binary cell list that follows
// (see CellChangeWriter), and ends with a line break. Restoring also reads whole-volume records
// that are one text line: key, instance number, then every cell's material id in cell order.
//
// Two files linked with recordStepsIn hold the records of steps: the write ahead of a step only
// keeps a compact copy of the cells in memory, and the write of the same key and instance once
// the step ran appends to each file just the cells the step changed, with their ids before and
// after it. Restoring such a record expects the cells as the step left them (undo) or found them
// (redo), which the undo and redo stacks guarantee.
class HistoryFile {
public:
    HistoryFile() = default;
    explicit HistoryFile(const QString &path) : path(path) {}
    HistoryFile(const HistoryFile &) = delete;
    HistoryFile &operator=(const HistoryFile &) = delete;

    static void recordStepsIn(HistoryFile &before, HistoryFile &after);

    const QString &getPath() const { return path; }

    // Records the volume's cells as (key, instance). False when the file cannot be written or the
    // key is not a single word.
    bool write(const std::string &key, uint32_t instance, Model::Automaton::TotalVolume &volume);
    // Writes the record's material ids into the volume's cells. False, with the volume unchanged,
    // when the file cannot be read or holds no complete, undamaged record (key, instance) made for
    // the volume's cell count.
    bool restore(const std::string &key, uint32_t instance, Model::Automaton::TotalVolume &volume) const;

private:
    struct Location {
        qint64 offset = 0;
        qint64 length = 0;
    };
    struct PendingStep {
        std::string key;
        uint32_t instance;
        CellSnapshot cells;
    };

    bool holdSnapshot(const std::string &key, uint32_t instance, Model::Automaton::TotalVolume &volume);
    bool recordStep(const PendingStep &step, Model::Automaton::TotalVolume &volume);
    bool appendWhole(const PendingStep &step);
    bool append(const std::string &key, uint32_t instance, const QByteArray &cells);
    // The position of the step in `pending`; its size when there is none.
    size_t findPending(const std::string &key, uint32_t instance) const;

    bool readIndexedRecord(const Location &location, const std::string &key, uint32_t instance,
                           uint64_t cellCount, CellChanges &changes) const;
    bool scanForRecord(const std::string &key, uint32_t instance, uint64_t cellCount,
                       CellChanges &changes) const;

    QString path;
    std::map<std::pair<std::string, uint32_t>, Location> index;
    HistoryFile *before = nullptr;    // on the file written after steps: its partner
    HistoryFile *after = nullptr;     // on the file written ahead of steps: its partner
    std::vector<PendingStep> pending; // steps written ahead, oldest first, at most a few
};

} // namespace Core
