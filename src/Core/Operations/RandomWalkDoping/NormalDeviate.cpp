#include "Core/Operations/RandomWalkDoping/NormalDeviate.h"

namespace Core::Operations {
namespace {

// Start of the tail and the area of every layer under exp(-x²/2), for 256 layers.
constexpr double kTailStart = 3.6541528853610088;
constexpr double kLayerArea = 4.928673233974655e-3;

} // namespace

NormalDeviate::Tables NormalDeviate::buildTables()
{
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
    for (int i = 0; i < kLayers; ++i) {
        result.unit[i] = result.edge[i] * 0x1.0p-31;
        result.inner[i] = uint32_t(result.edge[i + 1] / result.edge[i] * 0x1.0p31);
    }
    return result;
}

const NormalDeviate::Tables NormalDeviate::layers = NormalDeviate::buildTables();

double NormalDeviate::drawOutside(CellRandomStream &random, unsigned layer, double x)
{
    if (layer == 0)
        return std::copysign(tail(random), x);
    const double y =
        layers.height[layer] + uniform(random) * (layers.height[layer + 1] - layers.height[layer]);
    return y < std::exp(-0.5 * x * x) ? x : draw(random);
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
