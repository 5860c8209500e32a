#include "UI/View/DepthProbe.h"

#include <GL/gl.h>

namespace Ui {

bool DepthProbe::eyeDepthAt(int x, int y, int viewportHeight, double halfDepth, float &eyeZ)
{
    GLfloat depth = 1.0f;
    glReadPixels(x, viewportHeight - 1 - y, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    if (glGetError() != GL_NO_ERROR || depth >= 1.0f)
        return false;
    // The window depth runs from the near plane (eye z = halfDepth) to the far plane.
    eyeZ = float(-(2.0 * depth - 1.0) * halfDepth);
    return true;
}

} // namespace Ui
