#include "UI/View/ViewGrid.h"

#include <algorithm>
#include <cmath>

namespace Ui {

bool ViewGrid::setSpacing(double value)
{
    if (!std::isfinite(value) || value <= 0.0)
        return false;
    spacing = value;
    return true;
}

void ViewGrid::resetExtent()
{
    lowX = -kHalfExtent;
    highX = kHalfExtent;
    lowY = -kHalfExtent;
    highY = kHalfExtent;
}

double ViewGrid::drawStep() const
{
    const double span = std::max(highX - lowX, highY - lowY);
    const double lines = span / spacing;
    if (lines <= kMaxLinesPerDirection)
        return spacing;
    return spacing * std::ceil(lines / kMaxLinesPerDirection);
}

Util::Vector3D ViewGrid::snap(const Util::Vector3D &point) const
{
    const double x = origin.x + std::round((point.x - origin.x) / spacing) * spacing;
    const double y = origin.y + std::round((point.y - origin.y) / spacing) * spacing;
    return Util::Vector3D(x, y, point.z);
}

} // namespace Ui
