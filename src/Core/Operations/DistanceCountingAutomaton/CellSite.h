#pragma once

#include <cstdint>

namespace Core::Operations {

// Bit k stands for the face neighbour in table direction k (-z, +z, -y, +y, -x, +x).
constexpr uint8_t kAllDirections = 0x3f;

// A cell's index in the cell array together with its coordinates, and the directions of the
// neighbours that may shorten its distance vector (all six unless a step knows better).
struct CellSite {
    uint32_t index = 0;
    uint32_t x = 0;
    uint32_t y = 0;
    uint32_t z = 0;
    uint8_t directions = kAllDirections;
};

// Turns cell indices back into coordinates: x = i / (sizeY·sizeZ), y = (i / sizeZ) mod sizeY,
// z = i mod sizeZ. The divisions are done by multiplying with a precomputed 64-bit reciprocal,
// which is exact for every 32-bit index and divisor and much cheaper than a hardware division
// in the loops over a front.
class CellIndexDecoder {
public:
    CellIndexDecoder() = default;
    CellIndexDecoder(uint32_t sizeY, uint32_t sizeZ)
        : layer(sizeY * sizeZ), column(sizeZ), layerReciprocal(reciprocal(layer)),
          columnReciprocal(reciprocal(column))
    {
    }

    CellSite decode(uint32_t index) const
    {
        CellSite site;
        site.index = index;
        site.x = divide(index, layer, layerReciprocal);
        const uint32_t inLayer = index - site.x * layer;
        site.y = divide(inLayer, column, columnReciprocal);
        site.z = inLayer - site.y * column;
        return site;
    }

private:
    // ceil(2^64 / d) for d >= 2; unused (0) for d <= 1.
    static uint64_t reciprocal(uint32_t divisor) { return divisor > 1 ? ~uint64_t(0) / divisor + 1 : 0; }

    static uint32_t divide(uint32_t value, uint32_t divisor, uint64_t reciprocal)
    {
        if (divisor <= 1)
            return divisor == 1 ? value : 0;
        return uint32_t((static_cast<unsigned __int128>(reciprocal) * value) >> 64);
    }

    uint32_t layer = 1;
    uint32_t column = 1;
    uint64_t layerReciprocal = 0;
    uint64_t columnReciprocal = 0;
};

} // namespace Core::Operations
