#pragma once

namespace Ui {

// Reads what the depth buffer holds under one pixel, as the eye-space depth of an orthographic
// projection whose depth range is [-halfDepth, halfDepth]. Needs the context current and the
// scene drawn into the buffer being read.
class DepthProbe {
public:
    // False when nothing was drawn at that pixel. (x, y) are widget pixels, y downwards.
    static bool eyeDepthAt(int x, int y, int viewportHeight, double halfDepth, float &eyeZ);
};

} // namespace Ui
