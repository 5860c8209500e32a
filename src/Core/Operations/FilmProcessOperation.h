#pragma once

#include "Core/Operations/CellProcessOperation.h"

namespace Core::Operations {

// A cell process acting with one material to one distance (film thickness, etch depth): the
// options its dialog sets. A new operation has material 0 and distance 0, so a rejected dialog
// runs the process without effect.
class FilmProcessOperation : public CellProcessOperation {
public:
    using CellProcessOperation::CellProcessOperation;

    void setMaterial(uint32_t materialId);
    uint32_t getMaterial() const { return materialId; }
    bool isMaterialSet() const { return materialSet; }

protected:
    void setDistance(float value);
    float getDistance() const { return distance; }
    bool isDistanceSet() const { return distanceSet; }
    // Silicon's lattice is outdated when silicon was deposited or etched.
    bool outdatesLattice() const override { return materialId == kSilicon; }

private:
    static constexpr uint32_t kSilicon = 1;

    uint32_t materialId = 0;
    float distance = 0.0f;
    bool materialSet = false;
    bool distanceSet = false;
};

} // namespace Core::Operations
