#pragma once

#include "UI/View/LampRecord.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Ui {

// Up to eight lamps, OpenGL lights 0 to 7, placed by spherical coordinates around the eye.
// Lamp numbers are 1-based; lamp i is light i − 1. This class holds the state only; the view
// hands it to OpenGL (LampPainter) whenever `revision()` has moved on.
class LampSet {
public:
    static constexpr uint32_t kMaxLamps = 8;
    using Position = std::array<float, 4>;

    // One enabled lamp at the given distance and angles (radians).
    LampSet(float radius, float elevation, float azimuth);

    uint32_t count() const { return lampCount; }

    // Getters give 0 for lamp numbers outside 1..count.
    float radius(uint32_t lamp) const;
    float elevation(uint32_t lamp) const;
    float azimuth(uint32_t lamp) const;
    float positionX(uint32_t lamp) const;
    float positionY(uint32_t lamp) const;
    float positionZ(uint32_t lamp) const;
    // Eye-space position (x, y, z, 1) of slot `lamp` (1..8), also for unused slots.
    const Position &position(uint32_t lamp) const;

    // Setters refuse lamp numbers outside 1..count with false.
    bool setRadius(uint32_t lamp, float radius);
    bool setAngles(uint32_t lamp, float azimuth, float elevation);

    // Switching, querying and selecting single lamps is refused (false) while all eight lamps
    // exist, as well as for numbers outside 1..count.
    bool enable(uint32_t lamp);
    bool disable(uint32_t lamp);
    bool isEnabled(uint32_t lamp) const;
    bool select(uint32_t lamp);
    uint32_t selected() const { return selectedLamp; }
    // Makes the next lamp the selected one, after the last one the first.
    bool selectNext();

    // Whether OpenGL light `light` (0..7) should shine: its lamp exists and is enabled.
    bool isLightOn(uint32_t light) const;

    // The lamps as plain records, and replacing them all (1 to 8 records; anything else is
    // refused). The selection stays where it was when that lamp still exists, else the last.
    std::vector<LampRecord> records() const;
    bool assign(const std::vector<LampRecord> &lamps);

    // Moves on with every change OpenGL has to hear of.
    uint64_t revision() const { return changes; }

    // x = r·cos φ·cos θ, y = r·sin φ·cos θ, z = r·sin θ, w = 1.
    static Position placement(float radius, float elevation, float azimuth);

private:
    struct Lamp {
        LampRecord record;
        Position position{0.0f, 0.0f, 0.0f, 1.0f};
    };

    bool exists(uint32_t lamp) const { return lamp >= 1 && lamp <= lampCount; }
    bool switchable(uint32_t lamp) const { return exists(lamp) && lampCount < kMaxLamps; }
    void place(uint32_t lamp);
    bool setEnabled(uint32_t lamp, bool enabled);

    std::array<Lamp, kMaxLamps> lamps;
    uint32_t lampCount = 1;
    uint32_t selectedLamp = 1;
    uint64_t changes = 0;
};

} // namespace Ui
