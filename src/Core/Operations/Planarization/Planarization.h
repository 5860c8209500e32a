#pragma once

#include <cstdint>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Cuts the volume down to a horizontal slab, as polishing flattens a wafer: every cell below the
// minimum height and every cell from the maximum height up becomes empty. Heights are in cells
// (layer z is below height H when z < H); the maximum is limited to the volume's height.
class Planarization {
public:
    Planarization(Model::Automaton::TotalVolume &volume, uint32_t maximumHeight, uint32_t minimumHeight);
    void run();

private:
    Model::Automaton::TotalVolume &volume;
    uint32_t maximumHeight;
    uint32_t minimumHeight;
};

} // namespace Core::Operations
