#pragma once

#include <GL/gl.h>

#include <cstdint>
#include <vector>

namespace Model::Automaton {

// Draws client-side arrays of positions, normals and RGBA colours (three, three and four floats
// per vertex), in element order when `indices` is given; the client array state is restored.
inline void drawColoredVertexArrays(GLenum mode, const float *positions, const float *normals,
                                    const float *colors, GLsizei vertexCount,
                                    const std::vector<uint32_t> *indices = nullptr, GLsizei indexCount = 0)
{
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions);
    glNormalPointer(GL_FLOAT, 0, normals);
    glColorPointer(4, GL_FLOAT, 0, colors);
    if (indices)
        glDrawElements(mode, indexCount, GL_UNSIGNED_INT, indices->data());
    else
        glDrawArrays(mode, 0, vertexCount);
    glPopClientAttrib();
}

} // namespace Model::Automaton
