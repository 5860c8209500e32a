#include "Model/Automaton/KeyedIndexSort.h"

#include <algorithm>
#include <array>

namespace Model::Automaton {
namespace {

// At most this many key bits per pass; the passes share the key bits evenly.
constexpr int kDigitBits = 12;
constexpr size_t kBuckets = size_t(1) << kDigitBits;

// Least significant digit first, one stable counting pass per digit of keyOf(entry).
template <class Entry, class KeyOf>
void sortByDigits(std::vector<Entry> &entries, int keyBits, const KeyOf &keyOf)
{
    if (entries.size() < 2 || keyBits <= 0)
        return;
    std::vector<Entry> buffer(entries.size());
    const int passes = (keyBits + kDigitBits - 1) / kDigitBits;
    const int digitBits = (keyBits + passes - 1) / passes;
    for (int shift = 0; shift < keyBits; shift += digitBits) {
        const uint64_t mask = (uint64_t(1) << std::min(digitBits, keyBits - shift)) - 1;
        std::array<size_t, kBuckets + 1> starts{};
        for (const Entry &entry : entries)
            ++starts[((keyOf(entry) >> shift) & mask) + 1];
        for (size_t b = 1; b <= kBuckets; ++b)
            starts[b] += starts[b - 1];
        for (const Entry &entry : entries)
            buffer[starts[(keyOf(entry) >> shift) & mask]++] = entry;
        entries.swap(buffer);
    }
}

} // namespace

void sortByKeyStable(std::vector<KeyedIndex> &entries)
{
    uint64_t largest = 0;
    for (const KeyedIndex &entry : entries)
        largest = std::max(largest, entry.key);
    sortByDigits(entries, bitWidth(largest), [](const KeyedIndex &entry) { return entry.key; });
}

void sortByKeyBits(std::vector<uint64_t> &values, int shift, int keyBits)
{
    sortByDigits(values, keyBits, [shift](uint64_t value) { return value >> shift; });
}

} // namespace Model::Automaton
