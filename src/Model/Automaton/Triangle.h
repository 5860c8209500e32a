#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

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

// Vertex v of a triangle list: vertex v % 3 of triangle v / 3.
inline TriangleVertex &vertexAt(std::vector<Triangle> &triangles, size_t v)
{
    return triangles[v / 3].vertices[v % 3];
}

// `v` scaled to unit length; the zero vector when it has no length.
inline std::array<float, 3> unitOrZero(const std::array<float, 3> &v)
{
    const float length = std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
    if (!(length > 0.0f))
        return {0.0f, 0.0f, 0.0f};
    return {v[0] / length, v[1] / length, v[2] / length};
}

} // namespace Model::Automaton
