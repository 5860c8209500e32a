#include "Util/ParallelSlabs.h"

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <exception>

namespace Util {

uint32_t parallelThreadCount()
{
    return uint32_t(std::max(1, QThreadPool::globalInstance()->maxThreadCount()));
}

std::vector<SlabRange> equalSlabs(uint32_t begin, uint32_t end, uint32_t count)
{
    std::vector<SlabRange> slabs;
    if (end <= begin || count == 0)
        return slabs;
    const uint32_t width = (end - begin) / count;
    if (width == 0)
        return slabs;
    for (uint32_t i = 0; i < count; ++i)
        slabs.push_back({begin + i * width, i + 1 == count ? end : begin + (i + 1) * width});
    return slabs;
}

std::vector<SlabRange> slabsOfAtLeast(uint32_t size, uint32_t minimumWidth)
{
    const uint32_t count = parallelThreadCount();
    if (size / count < std::max(minimumWidth, 1u))
        return {{0, size}};
    return equalSlabs(0, size, count);
}

void runSlabs(const std::vector<SlabRange> &slabs, const std::function<void(const SlabRange &, size_t)> &work)
{
    if (slabs.size() == 1) {
        work(slabs.front(), 0);
        return;
    }
    std::vector<QFuture<void>> futures;
    futures.reserve(slabs.size());
    for (size_t i = 0; i < slabs.size(); ++i)
        futures.push_back(
            QtConcurrent::run(QThreadPool::globalInstance(), [&work, &slabs, i] { work(slabs[i], i); }));
    // Every task refers to `work` and the slabs: wait for all of them even when one failed, then
    // report the first failure.
    std::exception_ptr failure;
    for (auto &future : futures) {
        try {
            future.waitForFinished();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    }
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace Util
