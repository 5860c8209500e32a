#pragma once

#include "Core/Operations/MaterialProcessOperation.h"

namespace Core::Operations {

// A layer-by-layer process on the chosen cell volume: one material and a count of cell layers.
// Runs only when the dialog gave both.
class MooreNeighborhoodOperation : public MaterialProcessOperation {
public:
    using MaterialProcessOperation::MaterialProcessOperation;

    void setCount(uint32_t layers);
    uint32_t getCount() const { return count; }

protected:
    bool isReady() const override { return isMaterialSet() && countSet; }

private:
    uint32_t count = 0;
    bool countSet = false;
};

} // namespace Core::Operations
