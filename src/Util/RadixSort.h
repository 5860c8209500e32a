#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Util {

// The number of bits needed to write `value` (0 for 0).
inline int bitWidth(uint64_t value)
{
    return value == 0 ? 0 : 64 - __builtin_clzll(value);
}

// Sorts `entries` by the low `keyBits` bits of keyOf(entry), keeping entries with equal keys in
// their order: a least-significant-digit radix sort, linear in the number of entries, with the
// key bits shared evenly over as few passes of at most 12 bits as they need. `buffer` is working
// storage the caller may keep between calls.
template <class Entry, class KeyOf>
void radixSortByKey(std::vector<Entry> &entries, int keyBits, const KeyOf &keyOf, std::vector<Entry> &buffer)
{
    constexpr int kDigitBits = 12;
    constexpr size_t kBuckets = size_t(1) << kDigitBits;
    if (entries.size() < 2 || keyBits <= 0)
        return;
    buffer.resize(entries.size());
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

} // namespace Util
