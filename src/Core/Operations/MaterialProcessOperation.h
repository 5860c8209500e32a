#pragma once

#include "Core/Operations/CellProcessOperation.h"

namespace Core::Operations {

// A cell process acting with one material, the option its dialog always sets. A new operation
// has material 0.
class MaterialProcessOperation : public CellProcessOperation {
public:
    using CellProcessOperation::CellProcessOperation;

    void setMaterial(uint32_t materialId);
    uint32_t getMaterial() const { return materialId; }
    bool isMaterialSet() const { return materialSet; }

protected:
    // Silicon's lattice is outdated when silicon was deposited or etched.
    bool outdatesLattice() const override { return materialId == kSilicon; }

private:
    static constexpr uint32_t kSilicon = 1;

    uint32_t materialId = 0;
    bool materialSet = false;
};

} // namespace Core::Operations
