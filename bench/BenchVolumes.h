#pragma once

// The volumes every benchmark measures on, and the floor pass they are compared with.
//   block:  200 × 200 × 200 cells, material 1 below z = 100
//   trench: the block with a 4 × 4 grid of 20 × 20-cell holes, 40 cells deep, centred in each
//           50 × 50 tile

#include "Model/Automaton/TotalVolume.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace BenchVolumes {

constexpr uint32_t kSize = 200;
constexpr uint32_t kSurface = 100;

inline bool insideHole(uint32_t x, uint32_t y, uint32_t z)
{
    const uint32_t tileX = x % 50, tileY = y % 50;
    return z >= kSurface - 40 && tileX >= 15 && tileX < 35 && tileY >= 15 && tileY < 35;
}

// Material ids in cell-array order.
inline std::vector<uint32_t> materialIds(bool trench)
{
    std::vector<uint32_t> ids;
    ids.reserve(size_t(kSize) * kSize * kSize);
    for (uint32_t x = 0; x < kSize; ++x)
        for (uint32_t y = 0; y < kSize; ++y)
            for (uint32_t z = 0; z < kSize; ++z)
                ids.push_back(z < kSurface && !(trench && insideHole(x, y, z)) ? 1u : 0u);
    return ids;
}

// The floor: one plain pass reading every cell's material once.
inline void readEveryMaterial(Model::Automaton::TotalVolume &volume)
{
    Model::Automaton::CellsLocker locker(volume);
    const Model::Automaton::Voxel *cells = locker.get();
    uint64_t sum = 0;
    for (size_t i = 0, n = size_t(volume.getCellCount()); i < n; ++i)
        sum += cells[i].materialId;
    benchmark::DoNotOptimize(sum);
}

} // namespace BenchVolumes
