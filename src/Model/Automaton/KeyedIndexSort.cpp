#include "Model/Automaton/KeyedIndexSort.h"

#include <algorithm>

namespace Model::Automaton {

void sortByKeyStable(std::vector<KeyedIndex> &entries)
{
    uint64_t largest = 0;
    for (const KeyedIndex &entry : entries)
        largest = std::max(largest, entry.key);
    std::vector<KeyedIndex> buffer;
    Util::radixSortByKey(
        entries, bitWidth(largest), [](const KeyedIndex &entry) { return entry.key; }, buffer);
}

void sortByKeyBits(std::vector<uint64_t> &values, int shift, int keyBits)
{
    std::vector<uint64_t> buffer;
    Util::radixSortByKey(
        values, keyBits, [shift](uint64_t value) { return value >> shift; }, buffer);
}

} // namespace Model::Automaton
