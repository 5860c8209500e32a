#pragma once

#include <array>
#include <cstdint>

namespace Core::Operations {

// Philox4x32-10, the counter-based generator of Salmon, Moraes, Dror and Shaw ("Parallel random
// numbers: as easy as 1, 2, 3", SC 2011): 128 random bits as a pure function of a 128-bit
// counter and a 64-bit key. Giving every cell and step its own counter makes a parallel walk
// draw the same numbers whatever the order and the thread the cells are handled in.
inline std::array<uint32_t, 4> philox4x32(std::array<uint32_t, 4> counter, std::array<uint32_t, 2> key)
{
    constexpr uint32_t kMultiplier0 = 0xD2511F53u;
    constexpr uint32_t kMultiplier1 = 0xCD9E8D57u;
    constexpr uint32_t kWeyl0 = 0x9E3779B9u;
    constexpr uint32_t kWeyl1 = 0xBB67AE85u;
    for (int round = 0; round < 10; ++round) {
        const uint64_t product0 = uint64_t(kMultiplier0) * counter[0];
        const uint64_t product1 = uint64_t(kMultiplier1) * counter[2];
        counter = {uint32_t(product1 >> 32) ^ counter[1] ^ key[0], uint32_t(product1),
                   uint32_t(product0 >> 32) ^ counter[3] ^ key[1], uint32_t(product0)};
        key[0] += kWeyl0;
        key[1] += kWeyl1;
    }
    return counter;
}

// The random numbers of one cell in one step of a walk: the blocks of the counters
// (cell, step, 0, 0), (cell, step, 1, 0), ... under the walk's seed, consumed in order.
class CellRandomStream {
public:
    CellRandomStream(uint64_t seed, uint32_t cell, uint32_t step)
        : key{uint32_t(seed), uint32_t(seed >> 32)}, cell(cell), step(step)
    {
    }

    uint32_t nextU32()
    {
        if (used == 4)
            refill();
        return block[used++];
    }

    uint64_t nextU64()
    {
        const uint64_t high = nextU32();
        return (high << 32) | nextU32();
    }

private:
    void refill()
    {
        block = philox4x32({cell, step, blockNumber++, 0u}, key);
        used = 0;
    }

    std::array<uint32_t, 2> key;
    uint32_t cell;
    uint32_t step;
    uint32_t blockNumber = 0;
    std::array<uint32_t, 4> block{};
    unsigned used = 4;
};

} // namespace Core::Operations
