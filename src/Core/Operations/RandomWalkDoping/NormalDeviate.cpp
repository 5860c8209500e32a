#include "Core/Operations/RandomWalkDoping/NormalDeviate.h"

namespace Core::Operations {
namespace {

// Start of the tail and the area of every layer under exp(-x²/2), for 256 layers.
constexpr double kTailStart = 3.6541528853610088;
constexpr double kLayerArea = 4.928673233974655e-3;

} // namespace

const NormalDeviate::Tables &NormalDeviate::tables()
{
    static const Tables t = [] {
        Tables result{};
        const auto density = [](double x) { return std::exp(-0.5 * x * x); };
        result.edge[0] = kLayerArea / density(kTailStart);
        result.edge[1] = kTailStart;
        for (int i = 1; i < kLayers - 1; ++i)
            result.edge[i + 1] =
                std::sqrt(-2.0 * std::log(kLayerArea / result.edge[i] + density(result.edge[i])));
        result.edge[kLayers] = 0.0;
        for (int i = 0; i <= kLayers; ++i)
            result.height[i] = density(result.edge[i]);
        return result;
    }();
    return t;
}

double NormalDeviate::tail(CellRandomStream &random)
{
    for (;;) {
        const double a = -std::log(uniform(random)) / kTailStart;
        const double b = -std::log(uniform(random));
        if (b + b > a * a)
            return kTailStart + a;
    }
}

} // namespace Core::Operations
