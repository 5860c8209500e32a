#include "Model/Automaton/KeyedIndexSort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using Model::Automaton::bitWidth;
using Model::Automaton::sortByKeyBits;

TEST(KeyedIndexSort, SortsIndicesByTheirKeyBitsLikeAStableSort)
{
    std::mt19937_64 random(3);
    for (int keyBits : {1, 3, 11, 12, 23, 44}) {
        const int indexBits = 20;
        std::vector<uint64_t> values(3000);
        for (uint64_t i = 0; i < values.size(); ++i)
            values[i] = ((random() & ((uint64_t(1) << keyBits) - 1)) << indexBits) | i;
        std::vector<uint64_t> expected = values;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](uint64_t a, uint64_t b) { return a >> indexBits < b >> indexBits; });
        sortByKeyBits(values, indexBits, keyBits);
        EXPECT_EQ(values, expected) << keyBits << " key bits";
    }
    EXPECT_EQ(bitWidth(0), 0);
    EXPECT_EQ(bitWidth(1), 1);
    EXPECT_EQ(bitWidth(~uint64_t(0)), 64);
}
