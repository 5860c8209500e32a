#include "Core/Operations/MooreNeighborhood/MooreSourceWindow.h"

namespace Core::Operations {

void MooreSourceWindow::reset(uint32_t sx, uint32_t sy, uint32_t sz)
{
    sizeX = sx;
    sizeY = sy;
    sizeZ = sz;
    const size_t area = size_t(sy) * sz;
    for (auto &plane : planes)
        plane.assign(area, 0);
    scratch.assign(area, 0);
    near.assign(area, 0);
    planeLayer = {{kNone, kNone, kNone}};
    nearLayer = kNone;
}

// Within the layer: along z (each column), then along y.
void MooreSourceWindow::dilate(std::vector<uint8_t> &plane)
{
    for (uint32_t y = 0; y < sizeY; ++y) {
        const uint8_t *in = plane.data() + size_t(y) * sizeZ;
        uint8_t *out = scratch.data() + size_t(y) * sizeZ;
        for (uint32_t z = 0; z < sizeZ; ++z)
            out[z] = in[z] | (z > 0 ? in[z - 1] : 0) | (z + 1 < sizeZ ? in[z + 1] : 0);
    }
    for (uint32_t y = 0; y < sizeY; ++y) {
        const uint8_t *row = scratch.data() + size_t(y) * sizeZ;
        const uint8_t *below = y > 0 ? row - sizeZ : nullptr;
        const uint8_t *above = y + 1 < sizeY ? row + sizeZ : nullptr;
        uint8_t *out = plane.data() + size_t(y) * sizeZ;
        for (uint32_t z = 0; z < sizeZ; ++z)
            out[z] = row[z] | (below ? below[z] : 0) | (above ? above[z] : 0);
    }
}

} // namespace Core::Operations
