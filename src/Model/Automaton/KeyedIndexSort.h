#pragma once

#include <cstdint>
#include <vector>

namespace Model::Automaton {

// Sorts values by the key held in their bits [shift, shift + keyBits), keeping values with equal
// keys in their order: a radix sort, linear in the number of values, with one pass per 12 key
// bits. With an index in the low `shift` bits this sorts indices by key, stably.
void sortByKeyBits(std::vector<uint64_t> &values, int shift, int keyBits);

// The number of bits needed to write `value` (0 for 0).
inline int bitWidth(uint64_t value)
{
    return value == 0 ? 0 : 64 - __builtin_clzll(value);
}

} // namespace Model::Automaton
