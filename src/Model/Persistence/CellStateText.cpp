#include "Model/Persistence/CellStateText.h"

#include "Model/Automaton/Voxel.h"

#include <QChar>

#include <limits>

namespace Model::Persistence {

namespace {

char16_t codeOf(QChar c)
{
    return c.unicode();
}

char16_t codeOf(char c)
{
    return char16_t(uint8_t(c));
}

} // namespace

CellStateParser::CellStateParser(Model::Automaton::Voxel *cells, uint64_t cellCount,
                                 const MaterialIdMap *remap)
    : cells(cells), cellCount(cellCount)
{
    if (remap) {
        for (const auto &entry : *remap) {
            if (entry.first != entry.second)
                this->remap.insert(entry);
        }
    }
    const auto zero = this->remap.find(0);
    lastMapped = zero == this->remap.end() ? 0 : zero->second;
}

void CellStateParser::feed(const QChar *begin, const QChar *end)
{
    feedText(begin, end);
}

void CellStateParser::feed(const char *begin, const char *end)
{
    feedText(begin, end);
}

template <class Char> void CellStateParser::feedText(const Char *begin, const Char *end)
{
    const Char *c = begin;
    if (remap.empty())
        c = feedSingleDigits(c, end);
    for (; c != end; ++c) {
        const char16_t u = codeOf(*c);
        const uint32_t digit = uint32_t(u) - u'0';
        if (digit <= 9) {
            // Beyond ten digits the number is refused at its end, so wrapping here is harmless.
            value = value * 10 + digit;
            ++digits;
        } else if (u == u' ' || u == u'\n' || u == u'\t' || u == u'\r') {
            if (digits != 0 || malformed)
                endNumber();
        } else {
            malformed = true;
        }
    }
}

// The common text of cell states: one-digit ids each followed by a blank. Stops at anything
// else, or inside a number cut by the previous piece, and leaves the rest to the general loop.
template <class Char> const Char *CellStateParser::feedSingleDigits(const Char *c, const Char *end)
{
    if (digits != 0 || malformed)
        return c;
    const uint64_t limit = cellCount;
    while (end - c >= 2) {
        const uint32_t digit = uint32_t(codeOf(c[0])) - u'0';
        if (digit > 9 || codeOf(c[1]) != u' ')
            break;
        if (index < limit)
            cells[index].materialId = digit;
        ++index;
        c += 2;
    }
    return c;
}

void CellStateParser::finish()
{
    if (digits != 0 || malformed)
        endNumber();
}

inline void CellStateParser::endNumber()
{
    constexpr uint64_t kLimit = std::numeric_limits<uint32_t>::max();
    if (index < cellCount) {
        const bool valid = !malformed && digits <= 10 && value <= kLimit;
        cells[index].materialId = valid ? mapped(uint32_t(value)) : 0;
    }
    ++index;
    value = 0;
    digits = 0;
    malformed = false;
}

inline uint32_t CellStateParser::mapped(uint32_t id)
{
    if (remap.empty())
        return id;
    if (id == lastId)
        return lastMapped;
    const auto found = remap.find(id);
    lastId = id;
    lastMapped = found == remap.end() ? id : found->second;
    return lastMapped;
}

void CellStateText::append(QByteArray &text, const uint32_t *begin, const uint32_t *end,
                           const MaterialIdMap *remap)
{
    if (remap && remap->empty())
        remap = nullptr;
    // At most ten digits and a blank per id.
    const int start = text.size();
    text.resize(start + int(end - begin) * 11);
    char *out = text.data() + start;
    // The decimal text of the previous id, reused while the id repeats.
    char digits[12];
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
                digits[length] = reversed[count - 1 - length];
            digits[length++] = ' ';
            previous = id;
            havePrevious = true;
        }
        for (int i = 0; i < length; ++i)
            *out++ = digits[i];
    }
    text.resize(int(out - text.data()));
}

} // namespace Model::Persistence
