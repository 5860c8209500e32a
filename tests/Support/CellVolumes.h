#pragma once

#include "Model/Automaton/TotalVolume.h"

#include <QThreadPool>

#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Small hand-built cell volumes and cell dumps for engine tests.
namespace TestSupport {

using MaterialAt = std::function<uint32_t(uint32_t x, uint32_t y, uint32_t z)>;

inline std::shared_ptr<Model::Automaton::TotalVolume>
makeVolume(uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ, const MaterialAt &materialAt,
           float cellSizeX = 1.0f, float cellSizeY = 1.0f, float cellSizeZ = 1.0f)
{
    std::vector<uint32_t> ids;
    ids.reserve(size_t(sizeX) * sizeY * sizeZ);
    for (uint32_t x = 0; x < sizeX; ++x)
        for (uint32_t y = 0; y < sizeY; ++y)
            for (uint32_t z = 0; z < sizeZ; ++z)
                ids.push_back(materialAt(x, y, z));
    return std::make_shared<Model::Automaton::TotalVolume>(sizeX, sizeY, sizeZ, cellSizeX, cellSizeY,
                                                           cellSizeZ, Util::Vector3D(), ids);
}

inline uint32_t materialAt(Model::Automaton::TotalVolume &volume, uint32_t x, uint32_t y, uint32_t z)
{
    return volume.materialIds()[volume.cellIndex(x, y, z)];
}

// Every automaton-visible field of every cell, for comparing runs cell for cell.
struct CellState {
    uint32_t materialId;
    uint8_t fixed;
    float distanceX;
    float distanceY;
    float distanceZ;
    bool operator==(const CellState &o) const
    {
        return materialId == o.materialId && fixed == o.fixed && distanceX == o.distanceX
               && distanceY == o.distanceY && distanceZ == o.distanceZ;
    }
};

inline std::vector<CellState> cellStates(Model::Automaton::TotalVolume &volume)
{
    Model::Automaton::CellsLocker locker(volume);
    std::vector<CellState> states;
    states.reserve(size_t(volume.getCellCount()));
    for (size_t i = 0; i < volume.getCellCount(); ++i) {
        const auto &c = locker.get()[i];
        states.push_back({c.materialId, c.fixed, c.distanceX, c.distanceY, c.distanceZ});
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

// The exact rule deposition approximates: for every empty cell, the squared Euclidean distance
// (in length units) to the nearest solid cell, by brute force. Only solid cells with an empty
// face neighbour can be nearest, so only those are compared. Solid cells get 0; a volume
// without solid cells gives infinity everywhere.
inline std::vector<double> squaredDistanceToSolid(const std::vector<uint32_t> &ids, uint32_t sx, uint32_t sy,
                                                  uint32_t sz, double csx = 1, double csy = 1, double csz = 1)
{
    const auto index = [&](uint32_t x, uint32_t y, uint32_t z) { return (size_t(x) * sy + y) * sz + z; };
    const auto emptyAt = [&](long x, long y, long z) {
        return x >= 0 && y >= 0 && z >= 0 && x < long(sx) && y < long(sy) && z < long(sz)
               && ids[index(uint32_t(x), uint32_t(y), uint32_t(z))] == 0;
    };
    struct Point {
        double x, y, z;
    };
    std::vector<Point> surface;
    for (uint32_t x = 0; x < sx; ++x)
        for (uint32_t y = 0; y < sy; ++y)
            for (uint32_t z = 0; z < sz; ++z) {
                if (ids[index(x, y, z)] == 0)
                    continue;
                const long X = x, Y = y, Z = z;
                if (emptyAt(X, Y, Z - 1) || emptyAt(X, Y, Z + 1) || emptyAt(X, Y - 1, Z)
                    || emptyAt(X, Y + 1, Z) || emptyAt(X - 1, Y, Z) || emptyAt(X + 1, Y, Z))
                    surface.push_back({x * csx, y * csy, z * csz});
            }
    std::vector<double> result(ids.size(), 0.0);
    for (uint32_t x = 0; x < sx; ++x)
        for (uint32_t y = 0; y < sy; ++y)
            for (uint32_t z = 0; z < sz; ++z) {
                if (ids[index(x, y, z)] != 0)
                    continue;
                double best = INFINITY;
                for (const Point &p : surface) {
                    const double dx = p.x - x * csx, dy = p.y - y * csy, dz = p.z - z * csz;
                    best = std::min(best, dx * dx + dy * dy + dz * dz);
                }
                result[index(x, y, z)] = best;
            }
    return result;
}

} // namespace TestSupport
