#pragma once

#include <QtOpenGL>

namespace Ui {

// Switches lighting and colour tracking off for overlay lines in flat colours (grid, axes,
// lamp markers, legend). With colour tracking left on, their colours would become the material
// of the next lit object whose own colour call happens to repeat the current colour, which
// some drivers then skip. Call it inside a glPushAttrib(GL_ENABLE_BIT) scope.
inline void beginUnlitDrawing()
{
    glDisable(GL_LIGHTING);
    glDisable(GL_COLOR_MATERIAL);
}

} // namespace Ui
