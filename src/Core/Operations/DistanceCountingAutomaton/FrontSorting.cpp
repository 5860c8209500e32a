#include "Core/Operations/DistanceCountingAutomaton/FrontSorting.h"

#include "Util/RadixSort.h"

#include <algorithm>

namespace Core::Operations {
namespace {

constexpr size_t kComparisonSortLimit = 512;

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
    Util::radixSortByKey(
        indices, Util::bitWidth(largest), [](uint32_t index) { return uint64_t(index); }, scratch);
}

} // namespace Core::Operations
