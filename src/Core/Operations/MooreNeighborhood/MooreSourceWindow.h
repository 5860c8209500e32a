#pragma once

#include "Model/Automaton/Voxel.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Core::Operations {

// Tells, one x layer at a time, which cells have a source cell among themselves and their 26
// Moore neighbours inside the volume. Each layer's source flags are dilated over y and z once
// and kept while the next two layers need them, so a pass over a slab reads every cell about
// once instead of 27 times.
class MooreSourceWindow {
public:
    void reset(uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ);

    // For layer x: flag y·sizeZ + z is 1 when cell (x, y, z) or one of its in-volume Moore
    // neighbours satisfies isSource. Consecutive layers reuse the work of the previous ones.
    template <class IsSource>
    const uint8_t *nearSource(uint32_t x, const Model::Automaton::Voxel *cells, IsSource isSource);

private:
    static constexpr int64_t kNone = -1;

    // The layer's source flags dilated over y and z, computed once per layer.
    template <class IsSource>
    const std::vector<uint8_t> &dilatedLayer(uint32_t x, const Model::Automaton::Voxel *cells,
                                             IsSource isSource);
    void dilate(std::vector<uint8_t> &plane);

    uint32_t sizeX = 0;
    uint32_t sizeY = 0;
    uint32_t sizeZ = 0;
    std::array<std::vector<uint8_t>, 3> planes;
    std::array<int64_t, 3> planeLayer{{kNone, kNone, kNone}};
    std::vector<uint8_t> scratch;
    std::vector<uint8_t> near;
    int64_t nearLayer = kNone;
};

template <class IsSource>
const std::vector<uint8_t> &MooreSourceWindow::dilatedLayer(uint32_t x, const Model::Automaton::Voxel *cells,
                                                            IsSource isSource)
{
    const size_t slot = x % 3;
    std::vector<uint8_t> &plane = planes[slot];
    if (planeLayer[slot] != int64_t(x)) {
        const Model::Automaton::Voxel *layer = cells + size_t(x) * sizeY * sizeZ;
        for (size_t i = 0; i < plane.size(); ++i)
            plane[i] = isSource(layer[i]) ? 1 : 0;
        dilate(plane);
        planeLayer[slot] = x;
    }
    return plane;
}

template <class IsSource>
const uint8_t *MooreSourceWindow::nearSource(uint32_t x, const Model::Automaton::Voxel *cells,
                                             IsSource isSource)
{
    if (nearLayer == int64_t(x))
        return near.data();
    near = dilatedLayer(x, cells, isSource);
    for (const int64_t other : {int64_t(x) - 1, int64_t(x) + 1}) {
        if (other < 0 || other >= int64_t(sizeX))
            continue;
        const std::vector<uint8_t> &plane = dilatedLayer(uint32_t(other), cells, isSource);
        for (size_t i = 0; i < near.size(); ++i)
            near[i] |= plane[i];
    }
    nearLayer = x;
    return near.data();
}

} // namespace Core::Operations
