#include "Core/Workspace/HistoryFile.h"

#include "Core/Workspace/CellChanges.h"
#include "Model/Automaton/TotalVolume.h"

#include <QFile>

#include <charconv>
#include <cstring>

namespace Core {
namespace {

// Steps whose second write has not come yet; an older one is then recorded whole.
constexpr size_t kMaxPendingSteps = 4;
constexpr char kChangesWord[] = "changes";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// A cursor over a record's text.
class RecordParser {
public:
    RecordParser(const char *begin, const char *end) : position(begin), end(end) {}

    bool nextToken(const char *&tokenBegin, const char *&tokenEnd)
    {
        while (position < end && isBlank(*position))
            ++position;
        tokenBegin = position;
        while (position < end && !isBlank(*position))
            ++position;
        tokenEnd = position;
        return tokenBegin != tokenEnd;
    }

    template <class Number> bool nextNumber(Number &value)
    {
        const char *b = nullptr;
        const char *e = nullptr;
        if (!nextToken(b, e))
            return false;
        const auto result = std::from_chars(b, e, value);
        return result.ec == std::errc() && result.ptr == e;
    }

    // Reads the record's key and instance number.
    bool header(std::string &key, uint32_t &instance)
    {
        const char *b = nullptr;
        const char *e = nullptr;
        if (!nextToken(b, e))
            return false;
        key.assign(b, e);
        return nextNumber(instance);
    }

    // The byte count of a compact record's cell list; false, reading nothing, for a text record.
    bool changesSize(uint64_t &size)
    {
        const char *start = position;
        const char *b = nullptr;
        const char *e = nullptr;
        if (nextToken(b, e) && size_t(e - b) == std::strlen(kChangesWord)
            && std::memcmp(b, kChangesWord, size_t(e - b)) == 0 && nextNumber(size))
            return true;
        position = start;
        return false;
    }

    bool readIds(std::vector<uint32_t> &ids)
    {
        for (uint32_t &id : ids) {
            if (!nextNumber(id))
                return false;
        }
        return true;
    }

private:
    const char *position;
    const char *end;
};

bool isSingleWord(const std::string &key)
{
    if (key.empty())
        return false;
    for (char c : key) {
        if (isBlank(c))
            return false;
    }
    return true;
}

// A whole-volume text record's ids, after its key and instance.
bool readTextIds(RecordParser &parser, uint64_t cellCount, CellChanges &changes)
{
    std::vector<uint32_t> ids(static_cast<size_t>(cellCount));
    if (!parser.readIds(ids))
        return false;
    changes.assignAll(std::move(ids));
    return true;
}

bool writeAll(QFile &file, const QByteArray &bytes)
{
    return file.write(bytes) == qint64(bytes.size());
}

} // namespace

void HistoryFile::recordStepsIn(HistoryFile &beforeFile, HistoryFile &afterFile)
{
    beforeFile.after = &afterFile;
    afterFile.before = &beforeFile;
}

bool HistoryFile::write(const std::string &key, uint32_t instance, Model::Automaton::TotalVolume &volume)
{
    if (path.isEmpty() || !isSingleWord(key))
        return false;
    if (after)
        return holdSnapshot(key, instance, volume);
    if (before) {
        const size_t step = before->findPending(key, instance);
        if (step < before->pending.size()) {
            const PendingStep taken = std::move(before->pending[step]);
            before->pending.erase(before->pending.begin() + step);
            return recordStep(taken, volume);
        }
    }
    CellChangeWriter cells(volume.getCellCount());
    cells.addAll(volume);
    return append(key, instance, cells.finish());
}

bool HistoryFile::holdSnapshot(const std::string &key, uint32_t instance,
                               Model::Automaton::TotalVolume &volume)
{
    if (!QFile(path).open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    // A second write of one key before its step was recorded: the first one stays the record.
    const size_t earlier = findPending(key, instance);
    if (earlier < pending.size()) {
        appendWhole(pending[earlier]);
        pending.erase(pending.begin() + earlier);
    }
    if (pending.size() >= kMaxPendingSteps) {
        appendWhole(pending.front());
        pending.erase(pending.begin());
    }
    pending.push_back(PendingStep{key, instance, CellSnapshot(volume)});
    return true;
}

bool HistoryFile::recordStep(const PendingStep &step, Model::Automaton::TotalVolume &volume)
{
    CellChangeWriter was(step.cells.getCellCount());
    CellChangeWriter now(volume.getCellCount());
    if (step.cells.getCellCount() == volume.getCellCount()) {
        step.cells.recordChanges(volume, was, now);
    } else {
        step.cells.recordAll(was);
        now.addAll(volume);
    }
    const bool wasRecorded = before->append(step.key, step.instance, was.finish());
    return append(step.key, step.instance, now.finish()) && wasRecorded;
}

bool HistoryFile::appendWhole(const PendingStep &step)
{
    CellChangeWriter cells(step.cells.getCellCount());
    step.cells.recordAll(cells);
    return append(step.key, step.instance, cells.finish());
}

bool HistoryFile::append(const std::string &key, uint32_t instance, const QByteArray &cells)
{
    const QByteArray header =
        QByteArray::fromStdString(key + ' ' + std::to_string(instance) + ' ' + kChangesWord + ' '
                                  + std::to_string(cells.size()) + '\n');
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const qint64 offset = file.size();
    if (!writeAll(file, header) || !writeAll(file, cells) || !file.putChar('\n') || !file.flush()) {
        file.resize(offset);
        return false;
    }
    index.emplace(std::make_pair(key, instance), Location{offset, file.size() - offset});
    return true;
}

size_t HistoryFile::findPending(const std::string &key, uint32_t instance) const
{
    size_t position = 0;
    while (position < pending.size()
           && (pending[position].instance != instance || pending[position].key != key))
        ++position;
    return position;
}

bool HistoryFile::restore(const std::string &key, uint32_t instance,
                          Model::Automaton::TotalVolume &volume) const
{
    if (path.isEmpty())
        return false;
    const size_t step = findPending(key, instance);
    if (step < pending.size())
        return pending[step].cells.restoreInto(volume);
    CellChanges changes;
    const auto found = index.find(std::make_pair(key, instance));
    const bool ok = found != index.end()
                        ? readIndexedRecord(found->second, key, instance, volume.getCellCount(), changes)
                        : scanForRecord(key, instance, volume.getCellCount(), changes);
    return ok && changes.applyTo(volume);
}

bool HistoryFile::readIndexedRecord(const Location &location, const std::string &key, uint32_t instance,
                                    uint64_t cellCount, CellChanges &changes) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(location.offset))
        return false;
    const QByteArray record = file.read(location.length);
    const char *lineEnd =
        static_cast<const char *>(std::memchr(record.constData(), '\n', size_t(record.size())));
    if (!lineEnd)
        return false;
    RecordParser parser(record.constData(), lineEnd);
    std::string recordKey;
    uint32_t recordInstance = 0;
    uint64_t size = 0;
    if (!parser.header(recordKey, recordInstance) || recordKey != key || recordInstance != instance
        || !parser.changesSize(size))
        return false;
    const char *cells = lineEnd + 1;
    const char *recordEnd = record.constData() + record.size();
    return uint64_t(recordEnd - cells) == size + 1 && recordEnd[-1] == '\n'
           && changes.decode(cells, size_t(size), cellCount);
}

// Reads the file from its start, for records this object did not write: compact records are
// skipped by their byte count, text records line by line.
bool HistoryFile::scanForRecord(const std::string &key, uint32_t instance, uint64_t cellCount,
                                CellChanges &changes) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        RecordParser parser(line.constData(), line.constData() + line.size());
        std::string recordKey;
        uint32_t recordInstance = 0;
        if (!parser.header(recordKey, recordInstance))
            continue;
        const bool matches = recordKey == key && recordInstance == instance;
        uint64_t size = 0;
        if (!parser.changesSize(size)) {
            if (matches)
                return readTextIds(parser, cellCount, changes);
            continue;
        }
        if (size > uint64_t(file.size() - file.pos()))
            return false;
        if (matches) {
            const QByteArray cells = file.read(qint64(size));
            char lineBreak = 0;
            return file.getChar(&lineBreak) && lineBreak == '\n'
                   && changes.decode(cells.constData(), size_t(cells.size()), cellCount);
        }
        file.seek(file.pos() + qint64(size));
    }
    return false;
}

} // namespace Core
