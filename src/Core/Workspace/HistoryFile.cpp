#include "Core/Workspace/HistoryFile.h"

#include "Model/Automaton/TotalVolume.h"

#include <QFile>

#include <charconv>
#include <cstring>

namespace Core {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// A cursor over one record's text.
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

    bool nextNumber(uint32_t &value)
    {
        const char *b = nullptr;
        const char *e = nullptr;
        if (!nextToken(b, e))
            return false;
        const auto result = std::from_chars(b, e, value);
        return result.ec == std::errc() && result.ptr == e;
    }

    // The record's header: its key and instance number.
    bool matchesHeader(const std::string &key, uint32_t instance)
    {
        const char *b = nullptr;
        const char *e = nullptr;
        if (!nextToken(b, e) || size_t(e - b) != key.size() || std::memcmp(b, key.data(), key.size()) != 0)
            return false;
        uint32_t number = 0;
        return nextNumber(number) && number == instance;
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

std::string recordText(const std::string &key, uint32_t instance, const std::vector<uint32_t> &ids)
{
    std::string text;
    text.reserve(key.size() + 12 + ids.size() * 3);
    text += key;
    text += ' ';
    text += std::to_string(instance);
    char digits[16];
    for (uint32_t id : ids) {
        text += ' ';
        const auto result = std::to_chars(digits, digits + sizeof digits, id);
        text.append(digits, result.ptr);
    }
    text += '\n';
    return text;
}

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

} // namespace

bool HistoryFile::write(const std::string &key, uint32_t instance, Model::Automaton::TotalVolume &volume)
{
    if (path.isEmpty() || !isSingleWord(key))
        return false;
    const std::string text = recordText(key, instance, volume.materialIds());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const qint64 offset = file.size();
    if (file.write(text.data(), qint64(text.size())) != qint64(text.size()))
        return false;
    index.emplace(std::make_pair(key, instance), Location{offset, qint64(text.size())});
    return true;
}

bool HistoryFile::restore(const std::string &key, uint32_t instance,
                          Model::Automaton::TotalVolume &volume) const
{
    if (path.isEmpty())
        return false;
    std::vector<uint32_t> ids(size_t(volume.getCellCount()));
    const auto found = index.find(std::make_pair(key, instance));
    const bool ok = found != index.end() ? readIndexedRecord(found->second, key, instance, ids)
                                         : scanForRecord(key, instance, ids);
    if (ok)
        volume.setMaterialIds(ids);
    return ok;
}

bool HistoryFile::readIndexedRecord(const Location &location, const std::string &key, uint32_t instance,
                                    std::vector<uint32_t> &ids) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(location.offset))
        return false;
    const QByteArray text = file.read(location.length);
    RecordParser parser(text.constData(), text.constData() + text.size());
    return parser.matchesHeader(key, instance) && parser.readIds(ids);
}

// Reads the file line by line from its start, for records this object did not write.
bool HistoryFile::scanForRecord(const std::string &key, uint32_t instance, std::vector<uint32_t> &ids) const
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        RecordParser parser(line.constData(), line.constData() + line.size());
        if (parser.matchesHeader(key, instance))
            return parser.readIds(ids);
    }
    return false;
}

} // namespace Core
