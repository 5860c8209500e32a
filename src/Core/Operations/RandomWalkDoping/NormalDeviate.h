#pragma once

#include "Core/Operations/RandomWalkDoping/CounterRandom.h"

#include <array>
#include <cmath>

namespace Core::Operations {

// Standard normal deviates by the ziggurat method of Marsaglia and Tsang ("The ziggurat method
// for generating random variables", J. Stat. Softw. 5, 2000), with 256 layers: one 64-bit draw
// gives the layer (8 bits), the sign (1 bit) and a 53-bit uniform; about 99 % of the deviates
// need nothing more.
class NormalDeviate {
public:
    static double draw(CellRandomStream &random)
    {
        const Tables &t = tables();
        for (;;) {
            const uint64_t bits = random.nextU64();
            const unsigned layer = unsigned(bits & 0xFF);
            const double sign = (bits & 0x100) ? -1.0 : 1.0;
            const double x = double(bits >> 11) * 0x1.0p-53 * t.edge[layer];
            if (x < t.edge[layer + 1])
                return sign * x;
            if (layer == 0)
                return sign * tail(random);
            // The wedge between the layer's rectangle and the curve.
            const double y = t.height[layer] + uniform(random) * (t.height[layer + 1] - t.height[layer]);
            if (y < std::exp(-0.5 * x * x))
                return sign * x;
        }
    }

private:
    static constexpr int kLayers = 256;

    // edge[i]: the right edge of layer i (edge[0] the base layer's equivalent width, edge[1]
    // the tail's start r, edge[256] = 0); height[i] = exp(-edge[i]² / 2).
    struct Tables {
        std::array<double, kLayers + 1> edge;
        std::array<double, kLayers + 1> height;
    };
    static const Tables &tables();

    // (0, 1]: never 0, so its logarithm is finite.
    static double uniform(CellRandomStream &random)
    {
        return (double(random.nextU64() >> 11) + 1.0) * 0x1.0p-53;
    }
    // A deviate beyond the tail's start r (Marsaglia's tail method).
    static double tail(CellRandomStream &random);
};

} // namespace Core::Operations
