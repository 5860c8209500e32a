#include "Util/MemoryBudget.h"

#include <unistd.h>

namespace Util {

uint64_t physicalMemoryBytes()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGE_SIZE);
    if (pages <= 0 || pageSize <= 0)
        return uint64_t(4) << 30;
    return uint64_t(pages) * uint64_t(pageSize);
}

} // namespace Util
