#include "Model/Persistence/PlainStateTexts.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace Model::Persistence {
namespace {

bool startsWith(const char *at, const char *end, const char *literal)
{
    const size_t length = std::strlen(literal);
    return size_t(end - at) >= length && std::memcmp(at, literal, length) == 0;
}

// The first `literal` in [from, end), or null.
const char *find(const char *from, const char *end, const char *literal)
{
    const size_t length = std::strlen(literal);
    while (size_t(end - from) >= length) {
        const void *first = std::memchr(from, literal[0], size_t(end - from) - length + 1);
        if (!first)
            return nullptr;
        from = static_cast<const char *>(first);
        if (std::memcmp(from, literal, length) == 0)
            return from;
        ++from;
    }
    return nullptr;
}

// The '>' that ends the tag opened at `from`, outside quoted attribute values, or null.
const char *tagEnd(const char *from, const char *end)
{
    char quote = 0;
    for (; from < end; ++from) {
        if (quote) {
            quote = *from == quote ? 0 : quote;
        } else if (*from == '"' || *from == '\'') {
            quote = *from;
        } else if (*from == '>') {
            return from;
        }
    }
    return nullptr;
}

// UTF-16 units of the valid UTF-8 text [begin, end); -1 when it is malformed or holds a
// carriage return (which the XML reader would turn into a line feed).
int64_t utf16Units(const char *begin, const char *end)
{
    const auto *b = reinterpret_cast<const unsigned char *>(begin);
    const auto *e = reinterpret_cast<const unsigned char *>(end);
    int64_t units = 0;
    while (b < e) {
        const unsigned char c = *b;
        if (c < 0x80) {
            if (c == '\r')
                return -1;
            ++units;
            ++b;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xBF; // the second byte's range
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            low = c == 0xE0 ? 0xA0 : low;
            high = c == 0xED ? 0x9F : high;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            low = c == 0xF0 ? 0x90 : low;
            high = c == 0xF4 ? 0x8F : high;
        } else {
            return -1;
        }
        if (e - b < length || b[1] < low || b[1] > high)
            return -1;
        for (int k = 2; k < length; ++k) {
            if ((b[k] & 0xC0) != 0x80)
                return -1;
        }
        units += length == 4 ? 2 : 1;
        b += length;
    }
    return units;
}

// Whether the XML declaration at the start of the document, if any, leaves it in UTF-8.
bool declaresUtf8(const char *document, const char *end)
{
    if (document == end)
        return true;
    if (static_cast<unsigned char>(document[0]) >= 0x80 || document[0] == 0)
        return false; // a byte-order mark or a wide encoding
    if (!startsWith(document, end, "<?xml"))
        return true;
    const char *declarationEnd = find(document, end, "?>");
    if (!declarationEnd)
        return false;
    const char *encoding = find(document, declarationEnd, "encoding");
    if (!encoding)
        return true;
    const char *quote = encoding + 8;
    while (quote < declarationEnd && (*quote == ' ' || *quote == '=' || *quote == '\t' || *quote == '\n'))
        ++quote;
    if (quote == declarationEnd || (*quote != '"' && *quote != '\''))
        return false;
    const char *name = quote + 1;
    const char *nameEnd = static_cast<const char *>(std::memchr(name, *quote, size_t(declarationEnd - name)));
    if (!nameEnd || nameEnd - name != 5)
        return false;
    const char utf8[] = "utf-8";
    for (int i = 0; i < 5; ++i) {
        if (char(std::tolower(static_cast<unsigned char>(name[i]))) != utf8[i])
            return false;
    }
    return true;
}

bool isPlain(char c)
{
    return (c >= '0' && c <= '9') || c == ' ' || c == '\n' || c == '\t';
}

// Whether [begin, end) holds decimal digits, blanks, tabs and line feeds only. Sixteen bytes at a
// time where the processor allows: this runs over every byte of the cell states.
bool allPlain(const char *begin, const char *end)
{
#if defined(__SSE2__)
    const __m128i beforeZero = _mm_set1_epi8('0' - 1);
    const __m128i afterNine = _mm_set1_epi8('9' + 1);
    const __m128i blank = _mm_set1_epi8(' ');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i tab = _mm_set1_epi8('\t');
    for (; end - begin >= 16; begin += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(begin));
        // Bytes from 0x80 up compare as negative, so they are never digits.
        const __m128i digit =
            _mm_and_si128(_mm_cmpgt_epi8(bytes, beforeZero), _mm_cmplt_epi8(bytes, afterNine));
        const __m128i space =
            _mm_or_si128(_mm_cmpeq_epi8(bytes, blank),
                         _mm_or_si128(_mm_cmpeq_epi8(bytes, lineFeed), _mm_cmpeq_epi8(bytes, tab)));
        if (_mm_movemask_epi8(_mm_or_si128(digit, space)) != 0xFFFF)
            return false;
    }
#endif
    return std::all_of(begin, end, isPlain);
}

} // namespace

bool PlainStateTexts::extract(const char *document, size_t size)
{
    if (scan(document, size))
        return true;
    rest.clear();
    texts.clear();
    return false;
}

bool PlainStateTexts::scan(const char *document, size_t size)
{
    rest.clear();
    texts.clear();
    const char *const end = document + size;
    if (!declaresUtf8(document, end))
        return false;
    int64_t units = 0;           // of the remainder so far
    const char *kept = document; // the first byte not yet in the remainder
    const auto keepUpTo = [&](const char *to) {
        const int64_t count = utf16Units(kept, to);
        if (count < 0 || int64_t(rest.size()) + (to - kept) > INT_MAX)
            return false;
        rest.append(kept, int(to - kept));
        units += count;
        kept = to;
        return true;
    };
    const char *p = document;
    while (p < end) {
        const char *open = static_cast<const char *>(std::memchr(p, '<', size_t(end - p)));
        if (!open)
            break;
        const char *close = nullptr;
        if (startsWith(open, end, "<!--")) {
            close = find(open + 4, end, "-->");
            p = close ? close + 3 : end;
            continue;
        }
        if (startsWith(open, end, "<![CDATA[")) {
            close = find(open + 9, end, "]]>");
            p = close ? close + 3 : end;
            continue;
        }
        if (startsWith(open, end, "<?")) {
            close = find(open + 2, end, "?>");
            p = close ? close + 2 : end;
            continue;
        }
        if (startsWith(open, end, "<!"))
            return false; // a document type declaration may define entities
        close = tagEnd(open + 1, end);
        if (!close)
            break;
        p = close + 1;
        if (open[1] == '/' || close[-1] == '/')
            continue;
        // A start tag: its qualified name, and the State elements among them by their local name.
        const char *name = open + 1;
        const char *nameEnd = name;
        while (nameEnd < close && !std::strchr(" \t\n\r/", *nameEnd))
            ++nameEnd;
        const char *local = name;
        for (const char *c = name; c < nameEnd; ++c)
            local = *c == ':' ? c + 1 : local;
        if (nameEnd - local != 5 || std::memcmp(local, "State", 5) != 0)
            continue;
        const char *textEnd = static_cast<const char *>(std::memchr(p, '<', size_t(end - p)));
        const size_t nameLength = size_t(nameEnd - name);
        if (!textEnd || !startsWith(textEnd, end, "</") || size_t(end - textEnd) < nameLength + 3
            || std::memcmp(textEnd + 2, name, nameLength) != 0 || textEnd[2 + nameLength] != '>'
            || !allPlain(p, textEnd))
            continue;
        if (!keepUpTo(p))
            return false;
        texts.push_back({units, {p, textEnd}});
        kept = p = textEnd;
    }
    if (!keepUpTo(end))
        return false;
    return true;
}

const PlainStateTexts::Text *PlainStateTexts::textAt(int64_t characterOffset) const
{
    const auto found =
        std::lower_bound(texts.begin(), texts.end(), characterOffset,
                         [](const Entry &entry, int64_t offset) { return entry.offset < offset; });
    return found != texts.end() && found->offset == characterOffset ? &found->text : nullptr;
}

} // namespace Model::Persistence
