#pragma once

#include "Model/Automaton/TotalVolume.h"

#include <QThreadPool>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <vector>

// Small hand-built cell volumes for tests, and the thread-count switch for comparing runs.
namespace TestSupport {

// Catalogue material ids the tests build with (the metal is aluminium).
namespace Materials {
constexpr uint32_t kSi = 1, kOxide = 3, kMetal = 4, kCopper = 5, kGold = 9;
constexpr uint32_t kResist = 11, kNegativeResist = 12, kNDoped = 14, kPDoped = 15;
} // namespace Materials
using namespace Materials;

using Model::Automaton::TotalVolume;
using MaterialAt = std::function<uint32_t(uint32_t x, uint32_t y, uint32_t z)>;

// A volume holding `ids` in cell-index order (z fastest, x slowest).
inline std::shared_ptr<TotalVolume> volumeOf(uint32_t sx, uint32_t sy, uint32_t sz,
                                             const std::vector<uint32_t> &ids,
                                             Util::Vector3D position = Util::Vector3D(), float cellX = 1.0f,
                                             float cellY = 1.0f, float cellZ = 1.0f)
{
    return std::make_shared<TotalVolume>(sx, sy, sz, cellX, cellY, cellZ, position, ids);
}

// A volume whose cell (x, y, z) holds materialAt(x, y, z).
inline std::shared_ptr<TotalVolume> makeVolume(uint32_t sx, uint32_t sy, uint32_t sz,
                                               const MaterialAt &materialAt, float cellX = 1.0f,
                                               float cellY = 1.0f, float cellZ = 1.0f)
{
    std::vector<uint32_t> ids;
    ids.reserve(size_t(sx) * sy * sz);
    for (uint32_t x = 0; x < sx; ++x)
        for (uint32_t y = 0; y < sy; ++y)
            for (uint32_t z = 0; z < sz; ++z)
                ids.push_back(materialAt(x, y, z));
    return volumeOf(sx, sy, sz, ids, Util::Vector3D(), cellX, cellY, cellZ);
}

// Solid `material` below z = height, empty above.
inline std::shared_ptr<TotalVolume> makeSlab(uint32_t sx, uint32_t sy, uint32_t sz, uint32_t height,
                                             uint32_t material = 1)
{
    return makeVolume(sx, sy, sz, [=](uint32_t, uint32_t, uint32_t z) { return z < height ? material : 0u; });
}

// A block of `material` over [lo, hi) on every axis, empty elsewhere.
inline MaterialAt block(uint32_t lo, uint32_t hi, uint32_t material)
{
    return [=](uint32_t x, uint32_t y, uint32_t z) {
        return x >= lo && x < hi && y >= lo && y < hi && z >= lo && z < hi ? material : 0u;
    };
}

// A substrate below z = 8 with a trench along y, 6 cells wide and 5 deep, a step on one side and
// a pillar on the other: flat faces, inner and outer edges and corners.
inline std::shared_ptr<TotalVolume> trenchVolume(uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ,
                                                 uint32_t material = 1)
{
    return makeVolume(sizeX, sizeY, sizeZ, [=](uint32_t x, uint32_t y, uint32_t z) {
        const uint32_t middle = sizeX / 2;
        const bool trench = x + 3 >= middle && x < middle + 3 && z >= 3;
        const bool step = x < middle / 2 && y < sizeY / 2 && z >= 6;
        const bool pillar = x > middle + 5 && x < middle + 8 && y > 2 && y < 5 && z < 11;
        return ((z < 8 && !trench && !step) || pillar) ? material : 0u;
    });
}

// Silicon below z = 8 with a pit 4 cells deep in the middle and a two-cell oxide cap over one
// corner: flat faces, walls, and a shielded region; big enough in x for many slabs.
inline std::shared_ptr<TotalVolume> pittedWafer()
{
    return makeVolume(24, 10, 12, [](uint32_t x, uint32_t y, uint32_t z) {
        const bool pit = x >= 9 && x < 15 && y >= 3 && y < 7 && z >= 4;
        const bool cap = x < 6 && y < 5 && (z == 8 || z == 9);
        return cap ? 3u : (z < 8 && !pit ? 1u : 0u); // oxide, silicon
    });
}

// Random materials from `palette` with the given share of empty cells.
inline std::shared_ptr<TotalVolume> makeRandomVolume(uint32_t sx, uint32_t sy, uint32_t sz,
                                                     const std::vector<uint32_t> &palette, double emptyShare,
                                                     unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::uniform_int_distribution<size_t> pick(0, palette.size() - 1);
    return makeVolume(sx, sy, sz, [&](uint32_t, uint32_t, uint32_t) {
        return unit(random) < emptyShare ? 0u : palette[pick(random)];
    });
}

// Sets the cut counter of a share of the cells (random, reproducible).
inline void cutRandomCells(TotalVolume &volume, double share, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    Model::Automaton::CellsLocker cells(volume);
    for (size_t i = 0; i < volume.getCellCount(); ++i)
        cells.get()[i].cutCount = unit(random) < share ? 1 : 0;
}

// Every cell's cut counter in array order.
inline std::vector<int> cutCounts(TotalVolume &volume)
{
    Model::Automaton::CellsLocker cells(volume);
    std::vector<int> counts;
    for (size_t i = 0; i < volume.getCellCount(); ++i)
        counts.push_back(cells.get()[i].cutCount);
    return counts;
}

inline uint32_t materialAt(TotalVolume &volume, uint32_t x, uint32_t y, uint32_t z)
{
    return volume.materialIds()[volume.cellIndex(x, y, z)];
}

// For every empty cell, `metric` of the offset (in length units) to the nearest solid cell, by
// brute force; 0 for solid cells, infinity without any. Stepping from a solid cell towards an
// empty one never lengthens the offset, so only solid cells with an empty face neighbour are
// compared.
inline std::vector<double> distanceToNearestSolid(TotalVolume &volume,
                                                  const std::function<double(double, double, double)> &metric)
{
    const long sx = volume.getSizeX(), sy = volume.getSizeY(), sz = volume.getSizeZ();
    const double csx = volume.getCellSizeX(), csy = volume.getCellSizeY(), csz = volume.getCellSizeZ();
    const auto ids = volume.materialIds();
    const auto emptyAt = [&](long x, long y, long z) {
        return x >= 0 && y >= 0 && z >= 0 && x < sx && y < sy && z < sz
               && ids[volume.cellIndex(uint32_t(x), uint32_t(y), uint32_t(z))] == 0;
    };
    std::vector<std::array<long, 3>> surface;
    for (long x = 0; x < sx; ++x)
        for (long y = 0; y < sy; ++y)
            for (long z = 0; z < sz; ++z)
                if (!emptyAt(x, y, z)
                    && (emptyAt(x, y, z - 1) || emptyAt(x, y, z + 1) || emptyAt(x, y - 1, z)
                        || emptyAt(x, y + 1, z) || emptyAt(x - 1, y, z) || emptyAt(x + 1, y, z)))
                    surface.push_back({x, y, z});
    std::vector<double> result(ids.size(), 0.0);
    for (long x = 0; x < sx; ++x)
        for (long y = 0; y < sy; ++y)
            for (long z = 0; z < sz; ++z) {
                double &best = result[volume.cellIndex(uint32_t(x), uint32_t(y), uint32_t(z))];
                if (emptyAt(x, y, z)) {
                    best = INFINITY;
                    for (const auto &p : surface)
                        best = std::min(best, metric((p[0] - x) * csx, (p[1] - y) * csy, (p[2] - z) * csz));
                }
            }
    return result;
}

// The cells `process` leaves on a copy of `volume`: what an operation or a step must give.
inline std::vector<uint32_t> cellsAfter(const TotalVolume &volume,
                                        const std::function<void(TotalVolume &)> &process)
{
    auto copy = std::static_pointer_cast<TotalVolume>(volume.clone());
    process(*copy);
    return copy->materialIds();
}

// Every field an engine writes into a cell (the automaton's and the lattice's atom count), for
// comparing runs cell for cell.
struct CellState {
    uint32_t materialId;
    uint8_t fixed;
    float distanceX, distanceY, distanceZ;
    uint32_t atomCount;
    bool operator==(const CellState &o) const
    {
        return materialId == o.materialId && fixed == o.fixed && distanceX == o.distanceX
               && distanceY == o.distanceY && distanceZ == o.distanceZ && atomCount == o.atomCount;
    }
};

inline std::vector<CellState> cellStates(TotalVolume &volume)
{
    Model::Automaton::CellsLocker locker(volume);
    std::vector<CellState> states;
    states.reserve(size_t(volume.getCellCount()));
    for (size_t i = 0; i < volume.getCellCount(); ++i) {
        const auto &c = locker.get()[i];
        states.push_back({c.materialId, c.fixed, c.distanceX, c.distanceY, c.distanceZ, c.atomCount});
    }
    return states;
}

// Sets the global pool's thread count for the lifetime of a scope.
class PoolThreads {
public:
    explicit PoolThreads(int count) : previous(QThreadPool::globalInstance()->maxThreadCount())
    {
        QThreadPool::globalInstance()->setMaxThreadCount(count);
    }
    ~PoolThreads() { QThreadPool::globalInstance()->setMaxThreadCount(previous); }
    PoolThreads(const PoolThreads &) = delete;
    PoolThreads &operator=(const PoolThreads &) = delete;

private:
    int previous;
};

// Runs `process` on fresh volumes from `make` with the global pool at 1, 2, 3 and 12 threads,
// expects the same cell states every time and returns the materials.
inline std::vector<uint32_t>
expectSameCellsForAnyThreadCount(const std::function<std::shared_ptr<TotalVolume>()> &make,
                                 const std::function<void(TotalVolume &)> &process)
{
    std::vector<CellState> reference;
    for (int threads : {1, 2, 3, 12}) {
        PoolThreads pool(threads);
        auto volume = make();
        process(*volume);
        if (threads == 1)
            reference = cellStates(*volume);
        else
            EXPECT_TRUE(cellStates(*volume) == reference) << threads << " threads";
    }
    std::vector<uint32_t> materials;
    for (const CellState &cell : reference)
        materials.push_back(cell.materialId);
    return materials;
}

// The same on copies of `volume`.
inline std::vector<uint32_t>
expectSameCellsForAnyThreadCount(const TotalVolume &volume, const std::function<void(TotalVolume &)> &process)
{
    return expectSameCellsForAnyThreadCount(
        [&volume] { return std::static_pointer_cast<TotalVolume>(volume.clone()); }, process);
}

} // namespace TestSupport
