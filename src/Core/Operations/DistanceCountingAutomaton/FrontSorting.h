#pragma once

#include <cstdint>
#include <vector>

namespace Core::Operations {

// Sorts cell indices ascending. Fronts of large volumes hold hundreds of thousands of indices
// every step, so this is a radix sort over the bits the largest index needs
// (`Util::radixSortByKey`); short fronts use a comparison sort. `scratch` is working
// storage the caller keeps between calls.
void sortCellIndices(std::vector<uint32_t> &indices, std::vector<uint32_t> &scratch);

} // namespace Core::Operations
