#include "Model/Automaton/KeyedIndexSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace Model::Automaton;

TEST(KeyedIndexSort, MatchesAStableSortForSmallAndWideKeys)
{
    std::mt19937_64 random(3);
    for (int keyBits : {1, 3, 11, 12, 23, 44, 64}) {
        const uint64_t mask = keyBits == 64 ? ~uint64_t(0) : (uint64_t(1) << keyBits) - 1;
        std::vector<KeyedIndex> entries(3000);
        for (uint32_t i = 0; i < entries.size(); ++i)
            entries[i] = {random() & mask, i};
        std::vector<KeyedIndex> expected = entries;
        std::stable_sort(expected.begin(), expected.end(),
                         [](const KeyedIndex &a, const KeyedIndex &b) { return a.key < b.key; });
        // The same keys packed above a 20-bit index, where they fit.
        std::vector<uint64_t> packed;
        for (const KeyedIndex &entry : entries)
            packed.push_back(entry.key << 20 | entry.index);
        sortByKeyStable(entries);
        for (size_t i = 0; i < entries.size(); ++i) {
            ASSERT_EQ(entries[i].key, expected[i].key);
            ASSERT_EQ(entries[i].index, expected[i].index);
        }
        if (keyBits > 44)
            continue;
        sortByKeyBits(packed, 20, keyBits);
        for (size_t i = 0; i < packed.size(); ++i)
            ASSERT_EQ(packed[i], expected[i].key << 20 | expected[i].index) << keyBits << " key bits";
    }
    EXPECT_EQ(bitWidth(0), 0);
    EXPECT_EQ(bitWidth(1), 1);
    EXPECT_EQ(bitWidth(~uint64_t(0)), 64);
}
