#pragma once

#include "Core/Operations/MaterialProcessOperation.h"

namespace Core::Operations {

// A cell process acting with one material to one distance (film thickness, etch depth): the
// options its dialog sets. A new operation has material 0 and distance 0, so a rejected dialog
// runs the process without effect.
class FilmProcessOperation : public MaterialProcessOperation {
public:
    using MaterialProcessOperation::MaterialProcessOperation;

protected:
    void setDistance(float value);
    float getDistance() const { return distance; }
    bool isDistanceSet() const { return distanceSet; }

private:
    float distance = 0.0f;
    bool distanceSet = false;
};

} // namespace Core::Operations
