#pragma once

#include "Model/Materials/Material.h"

#include <array>
#include <cstdint>

namespace Model::Automaton {

// A 256-entry colour ramp over a value range, for the particle-count view.
// Types: 0 "Gray Scale", 1 "Red to Blue", 2 "Yellow to Blue".
class ColorScale {
public:
    static constexpr uint32_t kTypeCount = 3;

    // Range 0..1, grey.
    ColorScale();

    // Rebuilds the ramp; an unknown type gives the grey ramp.
    void setType(uint32_t type);
    uint32_t getType() const { return type; }

    void setRange(float minimum, float maximum);
    float getMinimum() const { return minimum; }
    float getMaximum() const { return maximum; }

    const Materials::RgbaColor &entry(int index) const { return table[size_t(index)]; }
    // Entry trunc((v - min) / (max - min) · 255), clamped to 0..255: below the minimum gives
    // entry 0, at or above the maximum entry 255.
    int indexOf(float value) const;
    const Materials::RgbaColor &colorAt(float value) const { return table[size_t(indexOf(value))]; }

private:
    float minimum = 0.0f;
    float maximum = 1.0f;
    uint32_t type = 0;
    std::array<Materials::RgbaColor, 256> table;
};

} // namespace Model::Automaton
