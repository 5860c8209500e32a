#pragma once

#include <array>
#include <cstdint>

namespace Model::Automaton {

// One vertex of a marching-cubes triangle: position and normal in world units relative to the
// volume's corner, and the material whose colour it is drawn in.
struct TriangleVertex {
    std::array<float, 3> position{};
    std::array<float, 3> normal{};
    uint32_t materialId = 0;
    bool operator==(const TriangleVertex &o) const
    {
        return position == o.position && normal == o.normal && materialId == o.materialId;
    }
};

struct Triangle {
    std::array<TriangleVertex, 3> vertices{};
    bool operator==(const Triangle &o) const { return vertices == o.vertices; }
};

} // namespace Model::Automaton
