#pragma once

#include <QString>

#include <array>
#include <functional>

class QColor;
class QGLWidget;

namespace Ui {

// The colour bar along the bottom of the view that explains the colours of the particle-count
// view: 256 stops from the scale's minimum to its maximum, with both numbers written above
// its ends.
class ColorScaleLegend {
public:
    using ColorAt = std::function<std::array<float, 4>(float value)>;

    struct Scale {
        float minimum = 0.0f;
        float maximum = 1.0f;
        ColorAt colorAt;
    };

    static constexpr int kStops = 256;

    // Draws over the whole widget; needs the widget's context current. Restores every
    // attribute and both matrices.
    static void draw(QGLWidget &widget, const Scale &scale, const QColor &textColor);

    // The value shown at stop k (0..255).
    static float stopValue(const Scale &scale, int stop);
    static QString label(float value);
};

} // namespace Ui
