#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace Ui {

// Picking through OpenGL's selection buffer: renders the named scene in a 4 × 4 pixel window
// around the cursor and reports what was hit.
class SelectionPicker {
public:
    static constexpr int kBufferSize = 2048;
    static constexpr double kPickSize = 4.0;

    // `drawNamed` draws every pickable thing with its name pushed. (x, y) are widget pixels,
    // y downwards. Returns the names of the hit nearest to the eye; empty without a hit or when
    // the buffer overflowed. Needs the context current and the model-view matrix loaded; leaves
    // both matrices as it found them.
    static std::vector<uint32_t> pick(int x, int y, const std::function<void()> &drawNamed);

    // The names of the hit record with the smallest minimum depth among the `hits` records of a
    // selection buffer of `size` entries; empty when a record does not fit in the buffer.
    static std::vector<uint32_t> nearestHitNames(const uint32_t *buffer, size_t size, int hits);
};

} // namespace Ui
