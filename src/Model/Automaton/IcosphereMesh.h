#pragma once

#include "Util/Vector3D.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Model::Automaton {

// A sphere as an icosahedron and its subdivisions: one table of the 162 unit vectors of the
// twice-subdivided icosahedron (the 12 icosahedron corners first, starting with
// (0, 0.5257311, 0.8506508), then the edge midpoints of the first and of the second
// subdivision, pushed out to the sphere), and for levels 0, 1 and 2 the triangles (20, 80, 320,
// counter-clockwise seen from outside) as vertex indices into it.
class IcosphereMesh {
public:
    static constexpr uint32_t kLevels = 3;

    static const IcosphereMesh &instance();

    const std::vector<Util::Vector3D> &vertices() const { return unitVectors; }
    // Three indices per triangle.
    const std::vector<uint32_t> &triangles(uint32_t level) const { return levels[level]; }

private:
    IcosphereMesh();

    std::vector<Util::Vector3D> unitVectors;
    std::array<std::vector<uint32_t>, kLevels> levels;
};

} // namespace Model::Automaton
