#include "Model/Automaton/SiLatticeGeometry.h"

#include <algorithm>
#include <cmath>

namespace Model::Automaton {
namespace {

constexpr double kA = SiLatticeGeometry::kLatticeConstant;
// cos 45° = sin 45°.
const double kTurn = std::sqrt(0.5);

int64_t floorOf(double value)
{
    return int64_t(std::floor(value));
}

int64_t ceilOf(double value)
{
    return int64_t(std::ceil(value));
}

} // namespace

SiLatticeGeometry::SiLatticeGeometry(uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ)
    : sizeX(sizeX), sizeY(sizeY), sizeZ(sizeZ),
      nx(uint32_t(std::ceil(double(uint64_t(sizeX) + sizeY) / (kA * std::sqrt(2.0))))), ny(nx),
      nz(uint32_t(std::ceil(double(sizeZ) / kA))), originX(double(sizeX) / 2.0), originY(-double(sizeX) / 2.0)
{
}

Util::Vector3D SiLatticeGeometry::turned(double x, double y, double z)
{
    return Util::Vector3D(kTurn * x - kTurn * y, kTurn * x + kTurn * y, z);
}

Util::Vector3D SiLatticeGeometry::cellCorner(int64_t i, int64_t j, int64_t k) const
{
    const Util::Vector3D corner = turned(kA * double(i), kA * double(j), kA * double(k));
    return Util::Vector3D(originX + corner.x, originY + corner.y, corner.z);
}

Util::Vector3D SiLatticeGeometry::atomPosition(int64_t i, int64_t j, int64_t k, uint32_t basisAtom) const
{
    return atomPosition(cellCorner(i, j, k), basisAtom);
}

int64_t SiLatticeGeometry::volumeCellAt(const Util::Vector3D &p) const
{
    if (!(p.x >= 0.0 && p.y >= 0.0 && p.z >= 0.0 && p.x < sizeX && p.y < sizeY && p.z < sizeZ))
        return -1;
    const uint64_t x = uint64_t(p.x), y = uint64_t(p.y), z = uint64_t(p.z);
    return int64_t((x * sizeY + y) * sizeZ + z);
}

// A unit cell's atoms lie within 0.75 lattice constants of its corner along each lattice axis:
// along u - v within ±0.75·1.4 and along u + v within 0..1.5·1.4 of the corner's. One extra
// row of margin on each side; the exact test is the atom's own volume cell.
std::array<int64_t, 2> SiLatticeGeometry::columnsCoveringVolume(uint32_t i) const
{
    const double halfWidth = double(sizeX) / (2.0 * kTurn);
    const int64_t dMin = ceilOf((-halfWidth - 1.05) / kA) - 1;
    const int64_t dMax = floorOf((halfWidth + 1.05) / kA) + 1;
    const int64_t eMin = ceilOf((halfWidth - 2.1) / kA) - 1;
    const int64_t eMax = floorOf(((double(sizeY) + double(sizeX) / 2.0) / kTurn) / kA) + 1;
    const int64_t first = std::max<int64_t>({0, int64_t(i) - dMax, eMin - int64_t(i)});
    const int64_t last = std::min<int64_t>({int64_t(ny) - 1, int64_t(i) - dMin, eMax - int64_t(i)});
    return {first, last};
}

std::array<int64_t, 2> SiLatticeGeometry::diagonalsCoveringLayers(uint32_t x0, uint32_t x1) const
{
    const double low = (double(x0) - originX) / kTurn - 0.7;
    const double high = (double(x1) - originX) / kTurn + 0.7;
    return {floorOf(low / kA) - 1, ceilOf(high / kA) + 1};
}

const std::array<std::array<double, 3>, SiLatticeGeometry::kAtomsPerCell> &SiLatticeGeometry::basis()
{
    static const std::array<std::array<double, 3>, kAtomsPerCell> offsets = {{
        {0.0, 0.0, 0.0},
        {0.5, 0.5, 0.0},
        {0.25, 0.25, 0.25},
        {0.75, 0.75, 0.25},
        {0.5, 0.0, 0.5},
        {0.0, 0.5, 0.5},
        {0.75, 0.25, 0.75},
        {0.25, 0.75, 0.75},
    }};
    return offsets;
}

const std::array<Util::Vector3D, SiLatticeGeometry::kAtomsPerCell> &SiLatticeGeometry::turnedBasis()
{
    static const auto offsets = [] {
        std::array<Util::Vector3D, kAtomsPerCell> turnedOffsets;
        for (uint32_t b = 0; b < kAtomsPerCell; ++b)
            turnedOffsets[b] = turned(kA * basis()[b][0], kA * basis()[b][1], kA * basis()[b][2]);
        return turnedOffsets;
    }();
    return offsets;
}

const std::array<SiLatticeGeometry::Bond, 7> &SiLatticeGeometry::innerBonds()
{
    static const std::array<Bond, 7> bonds = {{
        {0, 2, 3},
        {1, 2, 2},
        {1, 3, 3},
        {2, 4, 2},
        {2, 5, 3},
        {4, 6, 3},
        {5, 7, 3},
    }};
    return bonds;
}

// Direction codes 22, 10, 11, 19, 15, 20.
const std::array<SiLatticeGeometry::NeighbourBonds, 6> &SiLatticeGeometry::forwardNeighbours()
{
    static const std::array<NeighbourBonds, 6> neighbours = {{
        {0, 1, 0, 2, {{3, 4, 3}, {7, 4, 1}}},
        {1, 0, 0, 2, {{3, 5, 2}, {6, 5, 1}}},
        {0, 0, 1, 2, {{6, 1, 3}, {7, 1, 2}}},
        {1, 1, 0, 1, {{3, 0, 1}, {0, 0, 0}}},
        {1, 0, 1, 1, {{6, 0, 2}, {0, 0, 0}}},
        {0, 1, 1, 1, {{7, 0, 3}, {0, 0, 0}}},
    }};
    return neighbours;
}

const SiLatticeGeometry::BondTarget &SiLatticeGeometry::bondTarget(uint32_t basisAtom, uint32_t slot)
{
    static const auto targets = [] {
        std::array<std::array<BondTarget, 4>, kAtomsPerCell> table{};
        for (const Bond &b : innerBonds()) {
            table[b.first][b.slot] = {0, 0, 0, b.second};
            table[b.second][3 - b.slot] = {0, 0, 0, b.first};
        }
        for (const NeighbourBonds &n : forwardNeighbours()) {
            for (uint32_t i = 0; i < n.count; ++i) {
                const Bond &b = n.bonds[i];
                table[b.first][b.slot] = {n.di, n.dj, n.dk, b.second};
                table[b.second][3 - b.slot] = {-n.di, -n.dj, -n.dk, b.first};
            }
        }
        return table;
    }();
    return targets[basisAtom][slot];
}

} // namespace Model::Automaton
