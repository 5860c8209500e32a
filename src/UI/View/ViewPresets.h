#pragma once

#include <QString>

#include <array>
#include <optional>

namespace Ui::ViewPresets {

// Rotation angles (x, y, z, degrees) of the named standard views "front", "back", "left",
// "right", "top" and "bottom"; empty for any other name (such as "manual").
std::optional<std::array<int, 3>> anglesFor(const QString &name);

} // namespace Ui::ViewPresets
