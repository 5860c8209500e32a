#pragma once

#include "Util/RadixSort.h"

#include <cstdint>
#include <vector>

namespace Model::Automaton {

// An index tagged with an integer key.
struct KeyedIndex {
    uint64_t key;
    uint32_t index;
};

// Sorts by key, keeping entries with equal keys in their order (`Util::radixSortByKey` over the
// key bits in use).
void sortByKeyStable(std::vector<KeyedIndex> &entries);

// The same for keys packed into values: sorts by the key in bits [shift, shift + keyBits) of each
// value. With an index in the low `shift` bits this sorts indices by key in half the memory.
void sortByKeyBits(std::vector<uint64_t> &values, int shift, int keyBits);

using Util::bitWidth;

} // namespace Model::Automaton
