#pragma once

#include <cstdint>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Pours a material into the volume: every empty cell below the height (in cells, limited to the
// volume's height) is filled, closed cavities included; solid cells are never replaced.
class SpinCoating {
public:
    SpinCoating(Model::Automaton::TotalVolume &volume, uint32_t material, uint32_t height);
    void run();

private:
    Model::Automaton::TotalVolume &volume;
    uint32_t material;
    uint32_t height;
};

} // namespace Core::Operations
