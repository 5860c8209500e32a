#include "Model/Automaton/KeyedIndexSort.h"

#include <algorithm>
#include <array>

namespace Model::Automaton {
namespace {

constexpr int kDigitBits = 11;
constexpr size_t kBuckets = size_t(1) << kDigitBits;

} // namespace

void sortByKeyStable(std::vector<KeyedIndex> &entries)
{
    if (entries.size() < 2)
        return;
    uint64_t largest = 0;
    for (const KeyedIndex &entry : entries)
        largest = std::max(largest, entry.key);
    std::vector<KeyedIndex> buffer(entries.size());
    for (int shift = 0; shift < 64 && (largest >> shift) != 0; shift += kDigitBits) {
        std::array<size_t, kBuckets + 1> starts{};
        for (const KeyedIndex &entry : entries)
            ++starts[((entry.key >> shift) & (kBuckets - 1)) + 1];
        for (size_t b = 1; b <= kBuckets; ++b)
            starts[b] += starts[b - 1];
        for (const KeyedIndex &entry : entries)
            buffer[starts[(entry.key >> shift) & (kBuckets - 1)]++] = entry;
        entries.swap(buffer);
    }
}

} // namespace Model::Automaton
