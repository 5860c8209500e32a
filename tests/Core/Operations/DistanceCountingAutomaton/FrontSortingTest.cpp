#include "Core/Operations/DistanceCountingAutomaton/FrontSorting.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using Core::Operations::sortCellIndices;

TEST(FrontSorting, MatchesAComparisonSortForEveryDigitCount)
{
    std::mt19937 random(3);
    std::vector<uint32_t> scratch;
    // Largest values needing one, two and three 11-bit digits, and the full 32-bit range.
    for (uint32_t largest : {2047u, 2048u, 4194303u, 4194304u, 4294967295u}) {
        for (size_t count : {0u, 1u, 511u, 513u, 20000u}) {
            std::uniform_int_distribution<uint32_t> value(0, largest);
            std::vector<uint32_t> indices(count);
            for (uint32_t &index : indices)
                index = value(random);
            if (count > 0)
                indices[count / 2] = largest;
            std::vector<uint32_t> expected = indices;
            std::sort(expected.begin(), expected.end());
            sortCellIndices(indices, scratch);
            ASSERT_EQ(indices, expected) << largest << " " << count;
        }
    }
}
