#pragma once

#include <cstdint>

namespace Model::Automaton {

// One cell of a cell volume. Laid out to take 24 bytes: the material, the automaton's working
// vector, the lattice atom count, and two one-byte flags.
struct Voxel {
    uint32_t materialId = 0; // catalogue id; 0 is "Empty"
    float distanceX = 0.0f;  // working distance vector of the distance-counting automata
    float distanceY = 0.0f;
    float distanceZ = 0.0f;
    uint32_t atomCount = 0; // silicon lattice atoms inside this cell
    uint8_t fixed = 0;      // set by an engine for cells that must not change during its run
    uint8_t cutCount = 0;   // masked cuts hiding this cell (0..255); hidden when above 0

    void setDistance(float x, float y, float z)
    {
        distanceX = x;
        distanceY = y;
        distanceZ = z;
    }
};

static_assert(sizeof(Voxel) == 24, "a cell must stay 24 bytes");

} // namespace Model::Automaton
