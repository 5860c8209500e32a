#pragma once

#include <cmath>

namespace Ui {

// One lamp as the view and lamp dialog edit it: distance from the eye, elevation θ and
// azimuth φ (radians), and whether it shines.
struct LampRecord {
    float radius = 0.0f;
    float elevation = 0.0f;
    float azimuth = 0.0f;
    bool enabled = true;

    // A new lamp: 500 units from the eye, 60° above the screen plane and 45° round from the
    // screen's x axis, so it lights the scene from the upper right, in front of it.
    static LampRecord standard() { return LampRecord{500.0f, float(M_PI / 3.0), float(M_PI / 4.0), true}; }

    bool operator==(const LampRecord &o) const
    {
        return radius == o.radius && elevation == o.elevation && azimuth == o.azimuth && enabled == o.enabled;
    }
};

} // namespace Ui
