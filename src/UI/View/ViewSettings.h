#pragma once

#include "UI/View/LampRecord.h"
#include "Util/Vector3D.h"

#include <array>
#include <cstdint>
#include <vector>

namespace Ui {

// What the view and lamp dialog shows and edits: the camera's position offset, rotation
// (whole degrees), pan, the zoom value (the inverse of the zoom factor) and the lamps.
struct ViewSettings {
    Util::Vector3D position;
    std::array<int, 3> rotation{0, 0, 0};
    float panX = 0.0f;
    float panY = 0.0f;
    float zoomValue = 1.0f;
    std::vector<LampRecord> lamps;
    uint32_t selectedLamp = 1;
};

} // namespace Ui
