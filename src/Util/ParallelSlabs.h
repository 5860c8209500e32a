#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace Util {

// A contiguous range [begin, end) of x layers handled by one task.
struct SlabRange {
    uint32_t begin = 0;
    uint32_t end = 0;
};

// The thread count every engine and surface generator splits its work for: the maximum thread
// count of the application's global thread pool (tests change it to prove results do not
// depend on it).
uint32_t parallelThreadCount();

// Splits [begin, end) into `count` slabs of (end - begin) / count layers; the last slab ends at
// `end`. Empty when that width is 0 (the caller then runs serially).
std::vector<SlabRange> equalSlabs(uint32_t begin, uint32_t end, uint32_t count);

// The equal slabs of [0, size) for the pool's thread count when each is at least
// `minimumWidth` layers wide; otherwise one slab over the whole range (run on the calling thread).
std::vector<SlabRange> slabsOfAtLeast(uint32_t size, uint32_t minimumWidth);

// Runs `work(slab, index)` for every slab as one task on the global thread pool and waits for
// all of them, in slab order. Each task must write only its own outputs.
void runSlabs(const std::vector<SlabRange> &slabs,
              const std::function<void(const SlabRange &, size_t)> &work);

} // namespace Util
