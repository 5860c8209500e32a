#include "Model/Automaton/CellArray.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstdlib>
#include <new>

namespace Model::Automaton {
namespace {

static_assert(sizeof(Voxel) == 24 && alignof(Voxel) <= alignof(std::max_align_t),
              "a cell must be a plain record that zeroed memory holds");

// Asks for large pages over the whole large pages inside [memory, memory + bytes).
void adviseLargePages(void *memory, size_t bytes)
{
#ifdef MADV_HUGEPAGE
    constexpr uintptr_t kLargePage = uintptr_t(2) << 20;
    const uintptr_t begin = (uintptr_t(memory) + kLargePage - 1) & ~(kLargePage - 1);
    const uintptr_t end = (uintptr_t(memory) + bytes) & ~(kLargePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE);
#else
    (void)memory;
    (void)bytes;
#endif
}

} // namespace

void CellArrayDeleter::operator()(Voxel *cells) const
{
    std::free(cells);
}

CellArray allocateCells(size_t count)
{
    void *memory = std::calloc(count == 0 ? 1 : count, sizeof(Voxel));
    if (!memory)
        throw std::bad_alloc();
    adviseLargePages(memory, count * sizeof(Voxel));
    return CellArray(static_cast<Voxel *>(memory));
}

} // namespace Model::Automaton
