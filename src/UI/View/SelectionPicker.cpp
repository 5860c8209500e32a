#include "UI/View/SelectionPicker.h"

#include <QtOpenGL>

#include <GL/glu.h>

#include <array>

namespace Ui {

std::vector<uint32_t> SelectionPicker::pick(int x, int y, const std::function<void()> &drawNamed)
{
    static_assert(sizeof(GLuint) == sizeof(uint32_t), "selection buffer entries are 32-bit");
    std::array<GLuint, kBufferSize> buffer{};
    GLint viewport[4];
    GLdouble projection[16];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glSelectBuffer(kBufferSize, buffer.data());

    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluPickMatrix(GLdouble(x), GLdouble(viewport[3] - y + viewport[1]), kPickSize, kPickSize, viewport);
    glMultMatrixd(projection);
    glMatrixMode(GL_MODELVIEW);

    glRenderMode(GL_SELECT);
    glInitNames();
    drawNamed();
    const GLint hits = glRenderMode(GL_RENDER);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    return nearestHitNames(buffer.data(), buffer.size(), hits);
}

// A hit record: name count, minimum depth, maximum depth, then the names. Records come in
// drawing order, so the first one is not necessarily the object in front.
std::vector<uint32_t> SelectionPicker::nearestHitNames(const uint32_t *buffer, size_t size, int hits)
{
    const uint32_t *nearest = nullptr;
    size_t at = 0;
    for (int hit = 0; hit < hits; ++hit) {
        if (size - at < 3 || buffer[at] > size - at - 3)
            return {};
        if (!nearest || buffer[at + 1] < nearest[1])
            nearest = buffer + at;
        at += 3 + buffer[at];
    }
    if (!nearest)
        return {};
    return std::vector<uint32_t>(nearest + 3, nearest + 3 + nearest[0]);
}

} // namespace Ui
