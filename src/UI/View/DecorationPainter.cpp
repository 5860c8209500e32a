#include "UI/View/DecorationPainter.h"

#include "UI/View/UnlitDrawing.h"
#include "UI/View/ViewGrid.h"

#include <QColor>
#include <QtOpenGL>

#include <cmath>

namespace Ui {

void DecorationPainter::drawGrid(const ViewGrid &grid, const QColor &color)
{
    const double step = grid.drawStep();
    const Util::Vector3D &o = grid.getOrigin();
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT);
    beginUnlitDrawing();
    glColor3f(float(color.redF()), float(color.greenF()), float(color.blueF()));
    glBegin(GL_LINES);
    for (double k = std::ceil((grid.minX() - o.x) / step); o.x + k * step <= grid.maxX(); ++k) {
        const double x = o.x + k * step;
        glVertex3d(x, grid.minY(), o.z);
        glVertex3d(x, grid.maxY(), o.z);
    }
    for (double k = std::ceil((grid.minY() - o.y) / step); o.y + k * step <= grid.maxY(); ++k) {
        const double y = o.y + k * step;
        glVertex3d(grid.minX(), y, o.z);
        glVertex3d(grid.maxX(), y, o.z);
    }
    glEnd();
    glPopAttrib();
}

void DecorationPainter::drawAxes()
{
    // Per axis: colour, then the shaft and the two arrow strokes as pairs of end points.
    struct Axis {
        float color[3];
        float lines[6][3];
    };
    static const Axis axes[] = {
        {{1, 0, 0}, {{0, 0, 0}, {50, 0, 0}, {50, 0, 0}, {45, 0, 5}, {50, 0, 0}, {45, 0, -5}}},
        {{0, 1, 0}, {{0, 0, 0}, {0, 50, 0}, {0, 50, 0}, {0, 45, 5}, {0, 50, 0}, {0, 45, -5}}},
        {{0, 0, 1}, {{0, 0, 0}, {0, 0, 50}, {0, 0, 50}, {0, 5, 45}, {0, 0, 50}, {0, -5, 45}}},
    };
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_LINE_BIT);
    beginUnlitDrawing();
    glLineWidth(2.0f);
    glBegin(GL_LINES);
    for (const Axis &axis : axes) {
        glColor3fv(axis.color);
        for (const auto &point : axis.lines)
            glVertex3fv(point);
    }
    glEnd();
    glPopAttrib();
}

} // namespace Ui
