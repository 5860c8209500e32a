#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Core::Operations {

// Philox4x32-10, the counter-based generator of Salmon, Moraes, Dror and Shaw ("Parallel random
// numbers: as easy as 1, 2, 3", SC 2011): 128 random bits as a pure function of a 128-bit
// counter and a 64-bit key. Giving every cell and step its own counters makes a parallel walk
// draw the same numbers whatever the order and the thread the cells are handled in.
namespace Philox {
constexpr uint32_t kMultiplier0 = 0xD2511F53u;
constexpr uint32_t kMultiplier1 = 0xCD9E8D57u;
constexpr uint32_t kWeyl0 = 0x9E3779B9u;
constexpr uint32_t kWeyl1 = 0xBB67AE85u;
constexpr int kRounds = 10;
} // namespace Philox

inline std::array<uint32_t, 4> philox4x32(std::array<uint32_t, 4> counter, std::array<uint32_t, 2> key)
{
    using namespace Philox;
    for (int round = 0; round < kRounds; ++round) {
        const uint64_t product0 = uint64_t(kMultiplier0) * counter[0];
        const uint64_t product1 = uint64_t(kMultiplier1) * counter[2];
        counter = {uint32_t(product1 >> 32) ^ counter[1] ^ key[0], uint32_t(product1),
                   uint32_t(product0 >> 32) ^ counter[3] ^ key[1], uint32_t(product0)};
        key[0] += kWeyl0;
        key[1] += kWeyl1;
    }
    return counter;
}

inline std::array<uint32_t, 2> philoxKey(uint64_t seed)
{
    return {uint32_t(seed), uint32_t(seed >> 32)};
}

// The leading blocks of many cells' streams in one step, computed together: the loop over the
// blocks has no dependencies from one block to the next, so it runs at the processor's
// throughput (eight blocks at a time in vector registers where the processor has AVX2) rather
// than at the latency of one block's rounds.
class PhiloxBatch {
public:
    // Room for `capacity` blocks.
    explicit PhiloxBatch(std::size_t capacity);

    void clear() { queued = 0; }
    // Queues blocks 0 to count - 1 of the cell's stream (there must be room); returns the
    // position of block 0.
    uint32_t add(uint32_t cell, uint32_t count)
    {
        const uint32_t position = queued;
        for (uint32_t number = 0; number < count; ++number) {
            cells[position + number] = cell;
            numbers[position + number] = number;
        }
        queued += count;
        return position;
    }
    // Computes every queued block for this step and seed.
    void generate(uint32_t step, uint64_t seed);

    // Draw n of the blocks queued from `position` on, as a stream gives them: 32 bits, or 64
    // bits (two 32-bit draws, the first as the low half).
    uint32_t draw32(uint32_t position, uint32_t n) const { return words32(position)[n]; }
    const uint32_t *words32(uint32_t position) const { return words.data() + std::size_t(position) * 4; }
    uint64_t draw64(uint32_t position, uint32_t n) const
    {
        const uint32_t *pair = words.data() + std::size_t(position) * 4 + 2 * std::size_t(n);
        return uint64_t(pair[0]) | (uint64_t(pair[1]) << 32);
    }

private:
    uint32_t queued = 0;
    std::vector<uint32_t> cells;
    std::vector<uint32_t> numbers;
    std::vector<uint32_t> words; // four per block, block after block
};

// The random numbers of one cell in one step of a walk: the blocks of the counters
// (cell, step, 0, 0), (cell, step, 1, 0), ... under the walk's seed, consumed in order from
// `firstBlock` on (the leading blocks may have been taken from a batch).
class CellRandomStream {
public:
    CellRandomStream(uint64_t seed, uint32_t cell, uint32_t step, uint32_t firstBlock = 0)
        : key(philoxKey(seed)), cell(cell), step(step), blockNumber(firstBlock)
    {
    }

    uint32_t nextU32()
    {
        if (used == 4) {
            block = philox4x32({cell, step, blockNumber++, 0u}, key);
            used = 0;
        }
        return block[used++];
    }

    // Two 32-bit draws, the first as the low half.
    uint64_t nextU64()
    {
        const uint64_t low = nextU32();
        return low | (uint64_t(nextU32()) << 32);
    }

private:
    std::array<uint32_t, 2> key;
    uint32_t cell;
    uint32_t step;
    uint32_t blockNumber;
    std::array<uint32_t, 4> block{};
    unsigned used = 4;
};

} // namespace Core::Operations
