#pragma once

#include "Model/Automaton/Voxel.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Model::Automaton {

// One yes/no fact per cell of one x-layer of a box: row r holds the cells of column
// y = first y + r, bit k of the row (word k / 64, bit k % 64) the cell z = first z + k. Bits past
// the row's length stay 0. Surface generators compare whole rows word by word instead of
// looking at neighbours cell by cell.
class LayerBits {
public:
    LayerBits() = default;
    LayerBits(uint32_t rows, uint32_t bitsPerRow)
        : rowCount(rows), wordsPerRow((bitsPerRow + 63) / 64), words(size_t(rows) * wordsPerRow, 0)
    {
    }

    uint32_t rows() const { return rowCount; }
    uint32_t wordCount() const { return wordsPerRow; }
    uint64_t *row(uint32_t r) { return words.data() + size_t(r) * wordsPerRow; }
    const uint64_t *row(uint32_t r) const { return words.data() + size_t(r) * wordsPerRow; }
    void clear() { words.assign(words.size(), 0); }

    // Word `w` of `row` moved one cell towards higher z (bit k holds cell k - 1) or towards
    // lower z (bit k holds cell k + 1); cells beyond the row read as 0.
    static uint64_t fromBelow(const uint64_t *row, uint32_t w)
    {
        return (row[w] << 1) | (w > 0 ? row[w - 1] >> 63 : 0);
    }
    uint64_t fromAbove(const uint64_t *row, uint32_t w) const
    {
        return (row[w] >> 1) | (w + 1 < wordsPerRow ? row[w + 1] << 63 : 0);
    }

private:
    uint32_t rowCount = 0;
    uint32_t wordsPerRow = 0;
    std::vector<uint64_t> words;
};

// Asks for the memory a few kilobytes past `cell` while this cell is worked on: a cell loop
// doing more than a plain read keeps too few reads in flight for the hardware alone.
inline void prefetchAhead(const void *cell)
{
    __builtin_prefetch(reinterpret_cast<const void *>(reinterpret_cast<uintptr_t>(cell) + 3072));
}

// Packs cells [first, first + count) into bit rows: bit k of `low` takes bit 0 of
// code(first + k), bit k of `high` (when not null) bit 1. Whole words are written.
// `code` is taken by value so that whatever state it keeps stays in registers; it is returned
// for what it noted on the way.
template <class Code>
inline Code packCells(const Voxel *cells, size_t first, uint32_t count, Code code, uint64_t *low,
                      uint64_t *high)
{
    for (uint32_t w = 0; w * 64 < count; ++w) {
        const uint32_t n = std::min(count - w * 64, 64u);
        const size_t start = first + size_t(w) * 64;
        uint64_t lowBits = 0;
        uint64_t highBits = 0;
        // Each cell enters at the top bit; after n cells cell k sits at bit 64 - n + k.
        for (size_t i = start; i < start + n; ++i) {
            prefetchAhead(cells + i);
            const uint64_t c = code(i);
            lowBits = (lowBits >> 1) | (c << 63);
            highBits = (highBits >> 1) | ((c >> 1) << 63);
        }
        low[w] = lowBits >> (64 - n);
        if (high)
            high[w] = highBits >> (64 - n);
    }
    return code;
}

// The number of set bits among the six side bits of a cell.
inline uint32_t sideCount(uint32_t sides)
{
    sides = (sides & 0x15u) + ((sides >> 1) & 0x15u);
    return (sides & 3u) + ((sides >> 2) & 3u) + ((sides >> 4) & 3u);
}

// Calls visit(k) for every set bit k of `word`, lowest first.
template <class Visit> inline void forEachBit(uint64_t word, const Visit &visit)
{
    while (word != 0) {
        visit(uint32_t(__builtin_ctzll(word)));
        word &= word - 1;
    }
}

} // namespace Model::Automaton
