#pragma once

#include "Support/Volumes.h"

// Cantilevers for the model-extraction tests: silicon anchors (material 1) under a beam two
// layers thick (z 2 and 3) that spans the whole volume along x.
namespace TestSupport {

// Anchored where `anchored(x)` holds; `width` cells along y.
inline std::shared_ptr<TotalVolume> makeCantilever(uint32_t length, uint32_t width, uint32_t beamMaterial,
                                                   const std::function<bool(uint32_t)> &anchored)
{
    return makeVolume(length, width, 4, [=](uint32_t x, uint32_t, uint32_t z) {
        if (z >= 2)
            return beamMaterial;
        return anchored(x) ? 1u : 0u;
    });
}

// One free end: the beam leaves a 2-cell anchor at x = 0 and runs free for length - 2 cells.
inline std::shared_ptr<TotalVolume> makeSingleCantilever(uint32_t length, uint32_t width, uint32_t material)
{
    return makeCantilever(length, width, material, [](uint32_t x) { return x < 2; });
}

} // namespace TestSupport
