#include "UI/View/ViewPresets.h"

namespace Ui::ViewPresets {

std::optional<std::array<int, 3>> anglesFor(const QString &name)
{
    struct Preset {
        const char *name;
        std::array<int, 3> angles;
    };
    static const Preset presets[] = {
        {"front", {-90, 0, 0}},   {"back", {-90, 0, 180}}, {"left", {-90, 0, 90}},
        {"right", {-90, 0, -90}}, {"top", {0, 0, 0}},      {"bottom", {180, 0, 0}},
    };
    for (const Preset &preset : presets) {
        if (name == QLatin1String(preset.name))
            return preset.angles;
    }
    return std::nullopt;
}

} // namespace Ui::ViewPresets
