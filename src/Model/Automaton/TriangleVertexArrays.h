#pragma once

#include "Model/Automaton/MaterialColorMap.h"
#include "Model/Automaton/Triangle.h"

#include <vector>

namespace Model::Automaton {

// Client-side OpenGL vertex arrays of a triangle list, built on the first draw after a change,
// so a large surface is drawn by one call per frame.
class TriangleVertexArrays {
public:
    void invalidate() { valid = false; }

    // Draws the triangles with per-vertex normals and material colours (RGB, alpha 1). A vertex
    // whose material has no colour keeps the colour in effect before it, as immediate-mode
    // drawing that skips the colour call would.
    void draw(const std::vector<Triangle> &triangles, const MaterialColorMap &colors);

private:
    void rebuild(const std::vector<Triangle> &triangles, const MaterialColorMap &colors);

    std::vector<float> positions;
    std::vector<float> normals;
    std::vector<float> vertexColors;
    size_t leadingUncoloured = 0; // vertices before the first one with a colour of its own
    bool valid = false;
};

} // namespace Model::Automaton
