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

} // namespace Model::Automaton
