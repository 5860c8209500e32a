#include "UI/View/LampSet.h"

#include <cmath>

namespace Ui {

LampSet::LampSet(float radius, float elevation, float azimuth)
{
    lamps[0].record = LampRecord{radius, elevation, azimuth, true};
    place(1);
}

LampSet::Position LampSet::placement(float radius, float elevation, float azimuth)
{
    const double r = radius;
    return Position{float(r * std::cos(azimuth) * std::cos(elevation)),
                    float(r * std::sin(azimuth) * std::cos(elevation)), float(r * std::sin(elevation)), 1.0f};
}

void LampSet::place(uint32_t lamp)
{
    Lamp &l = lamps[lamp - 1];
    l.position = placement(l.record.radius, l.record.elevation, l.record.azimuth);
    ++changes;
}

float LampSet::radius(uint32_t lamp) const
{
    return exists(lamp) ? lamps[lamp - 1].record.radius : 0.0f;
}

float LampSet::elevation(uint32_t lamp) const
{
    return exists(lamp) ? lamps[lamp - 1].record.elevation : 0.0f;
}

float LampSet::azimuth(uint32_t lamp) const
{
    return exists(lamp) ? lamps[lamp - 1].record.azimuth : 0.0f;
}

float LampSet::positionX(uint32_t lamp) const
{
    return exists(lamp) ? lamps[lamp - 1].position[0] : 0.0f;
}

float LampSet::positionY(uint32_t lamp) const
{
    return exists(lamp) ? lamps[lamp - 1].position[1] : 0.0f;
}

float LampSet::positionZ(uint32_t lamp) const
{
    return exists(lamp) ? lamps[lamp - 1].position[2] : 0.0f;
}

const LampSet::Position &LampSet::position(uint32_t lamp) const
{
    static const Position none{0.0f, 0.0f, 0.0f, 1.0f};
    return lamp >= 1 && lamp <= kMaxLamps ? lamps[lamp - 1].position : none;
}

bool LampSet::setRadius(uint32_t lamp, float radius)
{
    if (!exists(lamp))
        return false;
    lamps[lamp - 1].record.radius = radius;
    place(lamp);
    return true;
}

bool LampSet::setAngles(uint32_t lamp, float azimuth, float elevation)
{
    if (!exists(lamp))
        return false;
    lamps[lamp - 1].record.azimuth = azimuth;
    lamps[lamp - 1].record.elevation = elevation;
    place(lamp);
    return true;
}

bool LampSet::enable(uint32_t lamp)
{
    return setEnabled(lamp, true);
}

bool LampSet::disable(uint32_t lamp)
{
    return setEnabled(lamp, false);
}

bool LampSet::setEnabled(uint32_t lamp, bool enabled)
{
    if (!switchable(lamp))
        return false;
    lamps[lamp - 1].record.enabled = enabled;
    ++changes;
    return true;
}

bool LampSet::isEnabled(uint32_t lamp) const
{
    return switchable(lamp) && lamps[lamp - 1].record.enabled;
}

bool LampSet::select(uint32_t lamp)
{
    if (!switchable(lamp))
        return false;
    selectedLamp = lamp;
    ++changes;
    return true;
}

bool LampSet::selectNext()
{
    return select(selectedLamp >= lampCount ? 1 : selectedLamp + 1);
}

bool LampSet::isLightOn(uint32_t light) const
{
    return light < lampCount && lamps[light].record.enabled;
}

std::vector<LampRecord> LampSet::records() const
{
    std::vector<LampRecord> result;
    result.reserve(lampCount);
    for (uint32_t i = 0; i < lampCount; ++i)
        result.push_back(lamps[i].record);
    return result;
}

bool LampSet::assign(const std::vector<LampRecord> &list)
{
    if (list.empty() || list.size() > kMaxLamps)
        return false;
    lampCount = uint32_t(list.size());
    for (uint32_t i = 0; i < kMaxLamps; ++i) {
        lamps[i].record = i < lampCount ? list[i] : LampRecord{};
        lamps[i].position = i < lampCount ? placement(list[i].radius, list[i].elevation, list[i].azimuth)
                                          : Position{0.0f, 0.0f, 0.0f, 1.0f};
    }
    if (selectedLamp > lampCount)
        selectedLamp = lampCount;
    ++changes;
    return true;
}

} // namespace Ui
