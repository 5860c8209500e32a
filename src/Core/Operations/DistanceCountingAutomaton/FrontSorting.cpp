#include "Core/Operations/DistanceCountingAutomaton/FrontSorting.h"

#include <algorithm>
#include <array>

namespace Core::Operations {
namespace {

constexpr uint32_t kDigitBits = 11;
constexpr uint32_t kBuckets = 1u << kDigitBits;
constexpr size_t kComparisonSortLimit = 512;

uint32_t passesFor(uint32_t largest)
{
    uint32_t passes = 1;
    for (uint64_t covered = kBuckets; covered <= largest; covered <<= kDigitBits)
        ++passes;
    return passes;
}

} // namespace

void sortCellIndices(std::vector<uint32_t> &indices, std::vector<uint32_t> &scratch)
{
    // Fronts moving along z through whole columns come out in order already.
    if (std::is_sorted(indices.begin(), indices.end()))
        return;
    if (indices.size() <= kComparisonSortLimit) {
        std::sort(indices.begin(), indices.end());
        return;
    }
    const uint32_t largest = *std::max_element(indices.begin(), indices.end());
    const uint32_t passes = passesFor(largest);
    scratch.resize(indices.size());
    std::vector<uint32_t> *from = &indices;
    std::vector<uint32_t> *to = &scratch;
    for (uint32_t pass = 0; pass < passes; ++pass) {
        const uint32_t shift = pass * kDigitBits;
        std::array<size_t, kBuckets> offsets{};
        for (uint32_t value : *from)
            ++offsets[(value >> shift) & (kBuckets - 1)];
        size_t sum = 0;
        for (size_t &offset : offsets) {
            const size_t count = offset;
            offset = sum;
            sum += count;
        }
        uint32_t *out = to->data();
        for (uint32_t value : *from)
            out[offsets[(value >> shift) & (kBuckets - 1)]++] = value;
        std::swap(from, to);
    }
    if (from != &indices)
        indices.swap(scratch);
}

} // namespace Core::Operations
