#pragma once

#include "Core/Operations/CellProcessOperation.h"

namespace Core::Operations {

// A layer-by-layer process on the chosen cell volume: one material and a count of cell layers.
// Runs only when the dialog gave both.
class MooreNeighborhoodOperation : public CellProcessOperation {
public:
    using CellProcessOperation::CellProcessOperation;

    void setMaterial(uint32_t materialId);
    uint32_t getMaterial() const { return materialId; }
    void setCount(uint32_t layers);
    uint32_t getCount() const { return count; }

protected:
    bool optionsComplete() const override { return materialSet && countSet; }
    // Silicon's lattice is outdated when silicon was deposited or etched.
    bool outdatesLattice() const override { return materialId == kSilicon; }

private:
    static constexpr uint32_t kSilicon = 1;

    uint32_t materialId = 0;
    uint32_t count = 0;
    bool materialSet = false;
    bool countSet = false;
};

} // namespace Core::Operations
