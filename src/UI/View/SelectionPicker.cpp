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
    return firstHitNames(buffer.data(), buffer.size(), hits);
}

std::vector<uint32_t> SelectionPicker::firstHitNames(const uint32_t *buffer, size_t size, int hits)
{
    // A hit record: name count, minimum depth, maximum depth, then the names.
    if (hits <= 0 || size < 3)
        return {};
    const size_t count = buffer[0];
    if (count > size - 3)
        return {};
    return std::vector<uint32_t>(buffer + 3, buffer + 3 + count);
}

} // namespace Ui
