#include "UI/View/ViewStatusText.h"

namespace Ui::ViewStatusText {
namespace {
QString number(const std::vector<float> &values, size_t index)
{
    return QString::number(index < values.size() ? double(values[index]) : 0.0, 'g', 6);
}
} // namespace

QString rotation(const std::vector<float> &angles)
{
    return QStringLiteral("Rotation angles: X Axis = ") + number(angles, 0) + QStringLiteral(" Y Axis = ")
           + number(angles, 1) + QStringLiteral(" Z axis = ") + number(angles, 2);
}

QString axisPosition(const std::vector<float> &position)
{
    return QStringLiteral("Volume position in relation to the axes: X = ") + number(position, 0)
           + QStringLiteral(" Y = ") + number(position, 1) + QStringLiteral(" Z = ") + number(position, 2);
}

QString viewPosition(const std::vector<float> &pan)
{
    return QStringLiteral("Volume position in relation to the screen: X = ") + number(pan, 0)
           + QStringLiteral(" Y = ") + number(pan, 1);
}

QString zoom(float value)
{
    return QStringLiteral("Zoom = ") + QString::number(double(value), 'g', 6);
}

QString lamp(const std::vector<float> &lamp)
{
    const int index = lamp.empty() ? 0 : int(lamp[0]);
    return QStringLiteral("Lamp ") + QString::number(index) + QStringLiteral(" Position : Radius = ")
           + number(lamp, 1) + QString::fromUtf8(" Angle θ = ") + number(lamp, 2)
           + QString::fromUtf8(" Angle φ = ") + number(lamp, 3);
}

} // namespace Ui::ViewStatusText
