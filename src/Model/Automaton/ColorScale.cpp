#include "Model/Automaton/ColorScale.h"

#include <cmath>

namespace Model::Automaton {

ColorScale::ColorScale()
{
    setType(0);
}

void ColorScale::setType(uint32_t value)
{
    type = value < kTypeCount ? value : 0;
    for (int i = 0; i < 256; ++i) {
        const float up = float(i) / 255.0f;
        const float down = float(255 - i) / 255.0f;
        switch (type) {
        case 1: table[size_t(i)] = {down, 0.0f, up, 1.0f}; break;
        case 2: table[size_t(i)] = {down, down, up, 1.0f}; break;
        default: table[size_t(i)] = {up, up, up, 1.0f}; break;
        }
    }
}

void ColorScale::setRange(float low, float high)
{
    minimum = low;
    maximum = high;
}

int ColorScale::indexOf(float value) const
{
    if (std::isnan(value) || value < minimum)
        return 0;
    if (value >= maximum)
        return 255;
    const float scaled = (value - minimum) / (maximum - minimum) * 255.0f;
    if (!(scaled > 0.0f))
        return 0;
    return scaled >= 255.0f ? 255 : int(scaled);
}

} // namespace Model::Automaton
