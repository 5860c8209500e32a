#include "Model/Persistence/CellStateText.h"

#include <QChar>

#include <limits>

namespace Model::Persistence {

CellStateParser::CellStateParser(std::vector<uint32_t> &ids, const MaterialIdMap *remap)
    : ids(ids), remap(remap && !remap->empty() ? remap : nullptr)
{
}

void CellStateParser::feed(const QChar *begin, const QChar *end)
{
    constexpr uint64_t kLimit = std::numeric_limits<uint32_t>::max();
    for (const QChar *c = begin; c != end; ++c) {
        const char16_t u = c->unicode();
        if (u >= u'0' && u <= u'9') {
            inNumber = true;
            if (value <= kLimit)
                value = value * 10 + (u - u'0');
        } else if (u == u' ' || u == u'\n' || u == u'\t' || u == u'\r') {
            if (inNumber)
                endNumber();
        } else {
            inNumber = true;
            malformed = true;
        }
    }
}

void CellStateParser::finish()
{
    if (inNumber)
        endNumber();
}

void CellStateParser::endNumber()
{
    constexpr uint64_t kLimit = std::numeric_limits<uint32_t>::max();
    if (index < ids.size())
        ids[size_t(index)] = (malformed || value > kLimit) ? 0 : mapped(uint32_t(value));
    ++index;
    value = 0;
    inNumber = false;
    malformed = false;
}

uint32_t CellStateParser::mapped(uint32_t id)
{
    if (!remap)
        return id;
    if (lastValid && lastId == id)
        return lastMapped;
    const auto found = remap->find(id);
    lastId = id;
    lastMapped = found == remap->end() ? id : found->second;
    lastValid = true;
    return lastMapped;
}

void CellStateText::append(QString &text, const uint32_t *begin, const uint32_t *end,
                           const MaterialIdMap *remap)
{
    if (remap && remap->empty())
        remap = nullptr;
    // The decimal text of the previous id, reused while the id repeats.
    QChar digits[12];
    int length = 0;
    uint32_t previous = 0;
    bool havePrevious = false;
    for (const uint32_t *cell = begin; cell != end; ++cell) {
        uint32_t id = *cell;
        if (remap) {
            const auto found = remap->find(id);
            if (found != remap->end())
                id = found->second;
        }
        if (!havePrevious || id != previous) {
            char reversed[12];
            int count = 0;
            uint32_t rest = id;
            do {
                reversed[count++] = char('0' + rest % 10);
                rest /= 10;
            } while (rest != 0);
            for (length = 0; length < count; ++length)
                digits[length] = QLatin1Char(reversed[count - 1 - length]);
            digits[length++] = QLatin1Char(' ');
            previous = id;
            havePrevious = true;
        }
        text.append(digits, length);
    }
}

} // namespace Model::Persistence
