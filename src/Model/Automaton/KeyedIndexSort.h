#pragma once

#include <cstdint>
#include <vector>

namespace Model::Automaton {

// An index tagged with an integer key.
struct KeyedIndex {
    uint64_t key;
    uint32_t index;
};

// Sorts by key, keeping entries with equal keys in their order (a radix sort: linear in the
// number of entries, passes only over the key bits in use).
void sortByKeyStable(std::vector<KeyedIndex> &entries);

// The same for keys packed into values: sorts by the key in bits [shift, shift + keyBits) of each
// value. With an index in the low `shift` bits this sorts indices by key in half the memory.
void sortByKeyBits(std::vector<uint64_t> &values, int shift, int keyBits);

// The number of bits needed to write `value` (0 for 0).
inline int bitWidth(uint64_t value)
{
    return value == 0 ? 0 : 64 - __builtin_clzll(value);
}

} // namespace Model::Automaton
