#include "UI/View/WheelStep.h"

namespace Ui::WheelStep {

double factor(int delta)
{
    const double d = double(delta) / 1200.0;
    return delta > 0 ? 1.0 + d : 1.0 / (1.0 - d);
}

float lampRadius(float radius, int delta)
{
    if (radius >= 1.0f)
        return float(factor(delta) * radius);
    if (radius >= 0.0f)
        return delta > 0 ? 2.0f : 0.0f;
    return radius;
}

} // namespace Ui::WheelStep
