#pragma once

#include "Model/Automaton/ImageMask.h"

#include <cstdint>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Hides whole cell columns through the cells' cut counters, never touching a material. A column
// under a set (opaque) bit of the top-down mask stays as it is; every other column, including
// those outside the mask, is marked: its cells' counters go up by one (cut, at most 255), down by
// one (uncut, at least 0) or back to 0 (reset).
class CutCellVolume {
public:
    enum class Mode { Cut, Uncut, Reset };
    static constexpr uint8_t kMaximumCount = 255;

    CutCellVolume(Model::Automaton::TotalVolume &volume, const Model::Automaton::ImageMask &mask);
    void run(Mode mode);

private:
    Model::Automaton::TotalVolume &volume;
    // One flag per cell column (index x·sizeY + y): set where the column keeps its counters.
    std::vector<uint8_t> keptColumns;
};

} // namespace Core::Operations
