#pragma once

#include <array>
#include <cstdint>

// The standard marching-cubes lookup tables. Corners c0..c7 and edges e0..e11 are numbered as
// follows (edge: its two corners): e0 c0-c1, e1 c1-c2, e2 c2-c3, e3 c3-c0, e4 c4-c5, e5 c5-c6,
// e6 c6-c7, e7 c7-c4, e8 c0-c4, e9 c1-c5, e10 c2-c6, e11 c3-c7. A cube's index has bit k set when
// corner k is inside the solid.
namespace Model::Automaton::MarchingCubeTables {

// The corners of each edge.
constexpr std::array<std::array<uint8_t, 2>, 12> kEdgeCorners = {{
    {{0, 1}},
    {{1, 2}},
    {{2, 3}},
    {{3, 0}},
    {{4, 5}},
    {{5, 6}},
    {{6, 7}},
    {{7, 4}},
    {{0, 4}},
    {{1, 5}},
    {{2, 6}},
    {{3, 7}},
}};

// Per cube index: the 12-bit mask of the edges the surface cuts.
extern const std::array<uint16_t, 256> kEdgeTable;

// Per cube index: triangles as triples of edge numbers, ended by -1.
extern const std::array<std::array<int8_t, 16>, 256> kTriangleTable;

} // namespace Model::Automaton::MarchingCubeTables
