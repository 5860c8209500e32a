#include "Model/Automaton/TriangleVertexArrays.h"

#include "Model/Automaton/ColoredVertexArrays.h"

#include <GL/gl.h>

#include <algorithm>
#include <climits>

namespace Model::Automaton {

void TriangleVertexArrays::rebuild(const std::vector<Triangle> &triangles, const MaterialColorMap &colors)
{
    const size_t vertexCount = triangles.size() * 3;
    positions.clear();
    normals.clear();
    vertexColors.clear();
    positions.reserve(vertexCount * 3);
    normals.reserve(vertexCount * 3);
    vertexColors.reserve(vertexCount * 4);
    leadingUncoloured = 0;
    bool seenColour = false;
    for (const Triangle &triangle : triangles) {
        for (const TriangleVertex &vertex : triangle.vertices) {
            positions.insert(positions.end(), vertex.position.begin(), vertex.position.end());
            normals.insert(normals.end(), vertex.normal.begin(), vertex.normal.end());
            if (colors.contains(vertex.materialId)) {
                const Materials::RgbaColor &c = colors.color(vertex.materialId);
                vertexColors.insert(vertexColors.end(), {c.r, c.g, c.b, 1.0f});
                seenColour = true;
            } else if (seenColour) {
                const size_t previous = vertexColors.size() - 4;
                for (size_t i = 0; i < 4; ++i)
                    vertexColors.push_back(vertexColors[previous + i]);
            } else {
                vertexColors.insert(vertexColors.end(), {1.0f, 1.0f, 1.0f, 1.0f});
                ++leadingUncoloured;
            }
        }
    }
    valid = true;
}

void TriangleVertexArrays::draw(const std::vector<Triangle> &triangles, const MaterialColorMap &colors)
{
    if (!valid)
        rebuild(triangles, colors);
    const size_t vertexCount = std::min(positions.size() / 3, size_t(INT_MAX));
    if (vertexCount == 0)
        return;
    if (leadingUncoloured > 0) {
        float current[4];
        glGetFloatv(GL_CURRENT_COLOR, current);
        for (size_t v = 0; v < leadingUncoloured; ++v)
            std::copy(current, current + 4, vertexColors.begin() + ptrdiff_t(v * 4));
    }
    drawColoredVertexArrays(GL_TRIANGLES, positions.data(), normals.data(), vertexColors.data(),
                            GLsizei(vertexCount));
    // Leave the last vertex's colour current, as the last colour call would.
    glColor4fv(vertexColors.data() + (vertexCount - 1) * 4);
}

} // namespace Model::Automaton
