#include "UI/View/ColorScaleLegend.h"

#include "UI/View/UnlitDrawing.h"

#include <QColor>
#include <QFont>
#include <QtOpenGL>

namespace Ui {

float ColorScaleLegend::stopValue(const Scale &scale, int stop)
{
    return scale.minimum + float(stop) * (scale.maximum - scale.minimum) / float(kStops - 1);
}

QString ColorScaleLegend::label(float value)
{
    return QString::number(double(value), 'g', 4);
}

void ColorScaleLegend::draw(QGLWidget &widget, const Scale &scale, const QColor &textColor)
{
    if (!scale.colorAt)
        return;
    const float w = float(widget.width());
    const float h = float(widget.height());
    const float left = -0.45f * w;
    const float right = 0.45f * w;
    const float bottom = -0.45f * h;
    const float top = 20.0f - 0.45f * h;

    glPushAttrib(GL_ALL_ATTRIB_BITS);
    beginUnlitDrawing();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(-w / 2.0, w / 2.0, -h / 2.0, h / 2.0, 10.0, -10.0);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();

    glBegin(GL_QUAD_STRIP);
    for (int k = 0; k < kStops; ++k) {
        const std::array<float, 4> color = scale.colorAt(stopValue(scale, k));
        glColor4fv(color.data());
        const float x = left + float(k) * (right - left) / float(kStops - 1);
        glVertex2f(x, bottom);
        glVertex2f(x, top);
    }
    glEnd();
    glColor3f(float(textColor.redF()), float(textColor.greenF()), float(textColor.blueF()));
    glBegin(GL_LINE_LOOP);
    glVertex2f(left, bottom);
    glVertex2f(right, bottom);
    glVertex2f(right, top);
    glVertex2f(left, top);
    glEnd();

    // Window coordinates run downwards from the top left; the labels sit just above the bar.
    const QFont font(QStringLiteral("Courier New"), 12);
    const int textY = int(h / 2.0f - top) - 4;
    const QString minimum = label(scale.minimum);
    const QString maximum = label(scale.maximum);
    widget.renderText(int(0.05f * w) - 5 * minimum.size(), textY, minimum, font);
    widget.renderText(int(0.95f * w) - 5 * maximum.size(), textY, maximum, font);

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glPopAttrib();
}

} // namespace Ui
