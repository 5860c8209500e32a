#include "UI/View/ViewColors.h"

namespace Ui {

ViewColors ViewColors::defaultScheme()
{
    ViewColors colors;
    colors.background = QColor::fromRgbF(0.15, 0.15, 0.22);
    colors.grid = QColor::fromRgbF(0.45, 0.45, 0.5);
    colors.object = QColor::fromRgbF(0.8, 0.8, 0.8);
    colors.outline = QColor::fromRgbF(0.0, 0.0, 0.0);
    return colors;
}

ViewColors ViewColors::lowScheme()
{
    ViewColors colors;
    colors.background = QColor::fromRgbF(1.0, 1.0, 1.0);
    colors.grid = QColor::fromRgbF(0.8, 0.8, 0.8);
    colors.object = QColor::fromRgbF(0.6, 0.6, 0.6);
    colors.outline = QColor::fromRgbF(0.3, 0.3, 0.3);
    return colors;
}

} // namespace Ui
