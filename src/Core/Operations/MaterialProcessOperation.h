#pragma once

#include "Core/Operations/CellProcessOperation.h"

#include <optional>

namespace Core::Operations {

// A process step acting with one material, the option its dialog always sets. A new operation
// has material 0, not set.
template <class ProcessStep> class WithMaterial : public ProcessStep {
public:
    using ProcessStep::ProcessStep;

    void setMaterial(uint32_t id) { materialId = id; }
    uint32_t getMaterial() const { return materialId.value_or(0); }
    bool isMaterialSet() const { return materialId.has_value(); }

protected:
    // Silicon's lattice is outdated when silicon was deposited, etched or poured.
    bool outdatesLattice() const override { return materialId == kSilicon; }

private:
    static constexpr uint32_t kSilicon = 1;

    std::optional<uint32_t> materialId;
};

// A cell process with undo acting with one material.
using MaterialProcessOperation = WithMaterial<CellProcessOperation>;

} // namespace Core::Operations
