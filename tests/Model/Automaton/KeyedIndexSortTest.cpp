#include "Model/Automaton/KeyedIndexSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using Model::Automaton::KeyedIndex;
using Model::Automaton::sortByKeyStable;

TEST(KeyedIndexSort, MatchesAStableSortForSmallAndWideKeys)
{
    std::mt19937_64 random(3);
    for (uint64_t range : {uint64_t(1), uint64_t(7), uint64_t(5000), uint64_t(1) << 40, ~uint64_t(0)}) {
        std::vector<KeyedIndex> entries(3000);
        for (uint32_t i = 0; i < entries.size(); ++i)
            entries[i] = {range == ~uint64_t(0) ? random() : random() % range, i};
        std::vector<KeyedIndex> expected = entries;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const KeyedIndex &a, const KeyedIndex &b) { return a.key < b.key; });
        sortByKeyStable(entries);
        for (size_t i = 0; i < entries.size(); ++i) {
            ASSERT_EQ(entries[i].key, expected[i].key);
            ASSERT_EQ(entries[i].index, expected[i].index);
        }
    }
}
