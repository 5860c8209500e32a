#pragma once

#include "Core/Operations/RandomWalkDoping/CounterRandom.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace Core::Operations {

// Standard normal deviates by the ziggurat method of Marsaglia and Tsang ("The ziggurat method
// for generating random variables", J. Stat. Softw. 5, 2000), with 256 layers. One 64-bit draw
// gives the layer (its low 8 bits) and, independently, a signed 32-bit uniform (its high 32
// bits) scaled to the layer's width; about 99 % of the deviates are accepted by one integer
// comparison and need nothing more.
class NormalDeviate {
public:
    static double draw(CellRandomStream &random) { return fromBits(random.nextU64(), random); }

    // The deviate whose first 64 random bits are `bits`; the rare draws needing more take them
    // from `more`.
    static double fromBits(uint64_t bits, CellRandomStream &more)
    {
        const unsigned layer = unsigned(bits & 0xFF);
        const auto scaled = int32_t(uint32_t(bits >> 32));
        const double x = double(scaled) * layers.unit[layer];
        // |scaled| < inner: x lies inside the layer's rectangle, under the curve.
        if (uint32_t(std::abs(int64_t(scaled))) < layers.inner[layer])
            return x;
        return drawOutside(more, layer, x);
    }

private:
    static constexpr int kLayers = 256;

    // edge[i]: the right edge of layer i (edge[0] the base layer's equivalent width, edge[1]
    // the tail's start r, edge[256] = 0); height[i] = exp(-edge[i]² / 2); unit[i] = edge[i] / 2³¹,
    // the width of one step of the 32-bit uniform; inner[i] = the number of those steps that
    // stay below edge[i + 1].
    struct Tables {
        std::array<double, kLayers + 1> edge;
        std::array<double, kLayers + 1> height;
        std::array<double, kLayers> unit;
        std::array<uint32_t, kLayers> inner;
    };
    static Tables buildTables();
    static const Tables layers;

    // The rare rest of a draw whose point x fell outside the layer's rectangle: the tail, or the
    // wedge between the rectangle and the curve (drawing again when the point is above it).
    static double drawOutside(CellRandomStream &random, unsigned layer, double x);
    // (0, 1]: never 0, so its logarithm is finite.
    static double uniform(CellRandomStream &random)
    {
        return (double(random.nextU64() >> 11) + 1.0) * 0x1.0p-53;
    }
    // A deviate beyond the tail's start r (Marsaglia's tail method).
    static double tail(CellRandomStream &random);
};

} // namespace Core::Operations
