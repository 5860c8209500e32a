#pragma once

#include "Model/Automaton/TotalVolume.h"

#include <functional>
#include <memory>
#include <vector>

namespace TestSupport {

// A volume whose cell (x, y, z) holds materialAt(x, y, z); cell sizes 1.
inline std::shared_ptr<Model::Automaton::TotalVolume>
makeVolume(uint32_t sx, uint32_t sy, uint32_t sz,
           const std::function<uint32_t(uint32_t, uint32_t, uint32_t)> &materialAt,
           const Util::Vector3D &position = Util::Vector3D())
{
    std::vector<uint32_t> ids(size_t(sx) * sy * sz);
    size_t i = 0;
    for (uint32_t x = 0; x < sx; ++x)
        for (uint32_t y = 0; y < sy; ++y)
            for (uint32_t z = 0; z < sz; ++z)
                ids[i++] = materialAt(x, y, z);
    return std::make_shared<Model::Automaton::TotalVolume>(sx, sy, sz, 1.0f, 1.0f, 1.0f, position, ids);
}

// Solid `material` below z = height, empty above.
inline std::shared_ptr<Model::Automaton::TotalVolume> makeSlab(uint32_t sx, uint32_t sy, uint32_t sz,
                                                               uint32_t height, uint32_t material = 1)
{
    return makeVolume(sx, sy, sz, [=](uint32_t, uint32_t, uint32_t z) { return z < height ? material : 0u; });
}

} // namespace TestSupport
