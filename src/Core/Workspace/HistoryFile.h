#pragma once

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

// One scratch file of cell-history records. A record is one line: a key word, a blank, the
// operation's instance number, a blank, then every cell's material id in cell-array order,
// separated by blanks. Records are appended; where each one starts is remembered, so restoring
// a large volume reads only its own record.
class HistoryFile {
public:
    HistoryFile() = default;
    explicit HistoryFile(const QString &path) : path(path) {}

    const QString &getPath() const { return path; }

    // Appends the volume's cells as the record (key, instance). False when the file cannot be
    // written or the key is not a single word.
    bool write(const std::string &key, uint32_t instance, Model::Automaton::TotalVolume &volume);
    // Writes the record's material ids into the volume's cells. False, with the volume unchanged,
    // when the file cannot be read or holds no complete record (key, instance).
    bool restore(const std::string &key, uint32_t instance, Model::Automaton::TotalVolume &volume) const;

private:
    struct Location {
        qint64 offset = 0;
        qint64 length = 0;
    };

    bool readIndexedRecord(const Location &location, const std::string &key, uint32_t instance,
                           std::vector<uint32_t> &ids) const;
    bool scanForRecord(const std::string &key, uint32_t instance, std::vector<uint32_t> &ids) const;

    QString path;
    std::map<std::pair<std::string, uint32_t>, Location> index;
};

} // namespace Core
