#pragma once

class QColor;

namespace Ui {

class ViewGrid;

// Draws what the view adds to the scene: the grid and the coordinate axes. Each call needs the
// view's context current and leaves the OpenGL state as it found it.
class DecorationPainter {
public:
    static void drawGrid(const ViewGrid &grid, const QColor &color);
    // X red, Y green, Z blue, 50 units long, each with a two-stroke arrow head.
    static void drawAxes();
};

} // namespace Ui
