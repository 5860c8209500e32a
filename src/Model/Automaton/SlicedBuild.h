#pragma once

#include "Util/ParallelSlabs.h"

#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

namespace Model::Automaton {

// [begin, end) split along x into one slice per thread of the global pool, or one slice for the
// calling thread when there are fewer layers than threads.
inline std::vector<Util::SlabRange> buildSlices(uint32_t begin, uint32_t end)
{
    std::vector<Util::SlabRange> slices = Util::equalSlabs(begin, end, Util::parallelThreadCount());
    if (slices.empty())
        slices.push_back({begin, end});
    return slices;
}

// Runs `work(slice, output)` over [begin, end) split along x into one slice per thread of the
// global pool, each slice writing its own Output; returns the outputs in slice order, so that
// joining them gives the same result as one serial pass. When there are fewer layers than
// threads the whole range runs once on the calling thread.
template <class Output, class Work>
std::vector<Output> runSlicedBuild(uint32_t begin, uint32_t end, const Work &work)
{
    const std::vector<Util::SlabRange> slices = buildSlices(begin, end);
    std::vector<Output> outputs(slices.size());
    Util::runSlabs(slices, [&](const Util::SlabRange &slice, size_t index) { work(slice, outputs[index]); });
    return outputs;
}

// Moves the per-slice lists into one list, in slice order, without spare capacity.
template <class T> std::vector<T> joinInOrder(std::vector<std::vector<T>> &parts)
{
    if (parts.size() == 1) {
        parts.front().shrink_to_fit();
        return std::move(parts.front());
    }
    size_t total = 0;
    for (const auto &part : parts)
        total += part.size();
    std::vector<T> joined;
    joined.reserve(total);
    for (auto &part : parts) {
        joined.insert(joined.end(), std::make_move_iterator(part.begin()),
                      std::make_move_iterator(part.end()));
        std::vector<T>().swap(part);
    }
    return joined;
}

} // namespace Model::Automaton
