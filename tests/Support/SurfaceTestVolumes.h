#pragma once

#include "Model/Automaton/TotalVolume.h"
#include "Model/Geometry/QuadFace.h"
#include "Model/Materials/MaterialFactory.h"

#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <random>
#include <tuple>
#include <vector>

// Small hand-built cell volumes and test materials for the surface generator tests.
namespace SurfaceTest {

using Model::Automaton::TotalVolume;

// Built-in opaque materials (alpha 1): 1 "Si", 3 "Thermal Si02".
constexpr uint32_t kOpaqueA = 1;
constexpr uint32_t kOpaqueB = 3;
// Test materials added to the catalogue by installMaterials().
constexpr uint32_t kTranslucentA = 2001; // alpha 0.5
constexpr uint32_t kTranslucentB = 2002; // alpha 0.5
constexpr uint32_t kInvisible = 2003;    // alpha 0

inline void installMaterials()
{
    auto factory = Model::Materials::MaterialFactory::instance();
    factory->createDefaultMaterials();
    factory->addMaterial({kTranslucentA, "Translucent A", 1000, 1e9f, 0.3f, {0.2f, 0.4f, 0.9f, 0.5f}});
    factory->addMaterial({kTranslucentB, "Translucent B", 1000, 1e9f, 0.3f, {0.9f, 0.4f, 0.2f, 0.5f}});
    factory->addMaterial({kInvisible, "Invisible", 1000, 1e9f, 0.3f, {0.1f, 0.1f, 0.1f, 0.0f}});
}

using MaterialAt = std::function<uint32_t(uint32_t x, uint32_t y, uint32_t z)>;

inline std::unique_ptr<TotalVolume> makeVolume(uint32_t sx, uint32_t sy, uint32_t sz,
                                               const MaterialAt &materialAt, float cellSize = 1.0f)
{
    std::vector<uint32_t> ids(size_t(sx) * sy * sz);
    for (uint32_t x = 0; x < sx; ++x)
        for (uint32_t y = 0; y < sy; ++y)
            for (uint32_t z = 0; z < sz; ++z)
                ids[(size_t(x) * sy + y) * sz + z] = materialAt(x, y, z);
    return std::make_unique<TotalVolume>(sx, sy, sz, cellSize, cellSize, cellSize, Util::Vector3D(), ids);
}

// A block of `material` over [lo, hi) on every axis, empty elsewhere.
inline MaterialAt block(uint32_t lo, uint32_t hi, uint32_t material)
{
    return [=](uint32_t x, uint32_t y, uint32_t z) {
        return x >= lo && x < hi && y >= lo && y < hi && z >= lo && z < hi ? material : 0u;
    };
}

// Random materials from `palette` with the given share of empty cells.
inline std::unique_ptr<TotalVolume> makeRandomVolume(uint32_t sx, uint32_t sy, uint32_t sz,
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

// Sets the global pool's thread count for a scope and restores it afterwards.
class PoolThreads {
public:
    explicit PoolThreads(int count) : saved(QThreadPool::globalInstance()->maxThreadCount())
    {
        QThreadPool::globalInstance()->setMaxThreadCount(count);
    }
    ~PoolThreads() { QThreadPool::globalInstance()->setMaxThreadCount(saved); }
    PoolThreads(const PoolThreads &) = delete;
    PoolThreads &operator=(const PoolThreads &) = delete;

private:
    int saved;
};

inline bool sameFaces(const std::vector<Model::Geometry::QuadFace> &a,
                      const std::vector<Model::Geometry::QuadFace> &b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (!a[i].sameAs(b[i]))
            return false;
    }
    return true;
}

// The cell a unit face belongs to (its lower corner minus the side offset), in cells.
struct FaceKey {
    int x, y, z, direction;
    bool operator<(const FaceKey &o) const
    {
        return std::tie(x, y, z, direction) < std::tie(o.x, o.y, o.z, o.direction);
    }
    bool operator==(const FaceKey &o) const
    {
        return x == o.x && y == o.y && z == o.z && direction == o.direction;
    }
};

// For unit faces of a grid with cell size `cell`: the owning cell and side.
inline FaceKey keyOf(const Model::Geometry::QuadFace &face, float cell = 1.0f)
{
    float low[3] = {1e30f, 1e30f, 1e30f};
    for (const auto &corner : face.corners)
        for (int a = 0; a < 3; ++a)
            low[a] = std::min(low[a], corner[size_t(a)] / cell);
    int c[3] = {int(std::lround(low[0])), int(std::lround(low[1])), int(std::lround(low[2]))};
    const int d = face.direction();
    if (d & 1)
        c[2 - d / 2] -= 1; // the high side's plane lies one cell above the cell's origin
    return {c[0], c[1], c[2], d};
}

} // namespace SurfaceTest
