#pragma once

#include <cstdint>

// The values the film processes' option dialogs accept. A process-list step accepts the same
// values, so a list can never run what no dialog can produce.
namespace Core::Operations::FilmProcessLimits {

// Film thickness or etch depth, in length units.
constexpr double kMaxDistance = 1e9;
// Horizontal to vertical ratio.
constexpr double kMaxRatio = 1e9;
// The smallest ratio of physical vapour deposition: its film always grows a little sideways.
constexpr double kMinVaporRatio = 0.01;
// Layer counts of the layer-by-layer processes, in cells.
constexpr uint32_t kMinLayers = 1;
constexpr uint32_t kMaxLayers = 999999999;

} // namespace Core::Operations::FilmProcessLimits
