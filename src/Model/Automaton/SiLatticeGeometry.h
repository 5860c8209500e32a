#pragma once

#include "Util/Vector3D.h"

#include <array>
#include <cstdint>

namespace Model::Automaton {

// Where a volume's silicon lattice lies: a grid of nx × ny × nz diamond-cubic unit cells with
// lattice constant 1.4 cells, turned by 45 degrees about z so that the volume's x and y axes
// run along the crystal's <110> directions (the (001) face up), and placed so that the turned
// grid covers the whole volume. Positions are in the volume's own frame, in cells.
class SiLatticeGeometry {
public:
    static constexpr double kLatticeConstant = 1.4;
    static constexpr uint32_t kAtomsPerCell = 8;

    // A bond between atoms of one unit cell, or from a unit cell's atom to an atom of a forward
    // neighbour: `slot` is the first atom's bond slot; the second atom takes slot 3 - slot.
    struct Bond {
        uint32_t first;
        uint32_t second;
        uint32_t slot;
    };
    // The bonds towards one forward neighbour (di, dj, dk) of a unit cell.
    struct NeighbourBonds {
        int di, dj, dk;
        uint32_t count;
        Bond bonds[2];
    };

    SiLatticeGeometry() = default;
    SiLatticeGeometry(uint32_t sizeX, uint32_t sizeY, uint32_t sizeZ);

    uint32_t getNx() const { return nx; }
    uint32_t getNy() const { return ny; }
    uint32_t getNz() const { return nz; }
    uint32_t getSizeX() const { return sizeX; }
    uint32_t getSizeY() const { return sizeY; }
    uint32_t getSizeZ() const { return sizeZ; }
    uint64_t columnCount() const { return uint64_t(nx) * ny; }
    // The key of unit cell (i, j, k) in the lattice's map: (ny · i + j) · nz + k.
    uint64_t key(uint32_t i, uint32_t j, uint32_t k) const { return (uint64_t(ny) * i + j) * nz + k; }

    // The corner of unit cell (i, j, k), and the position of its basis atom b (0..7); the grid
    // continues beyond its ends, for the sites of missing neighbours.
    Util::Vector3D cellCorner(int64_t i, int64_t j, int64_t k) const;
    Util::Vector3D atomPosition(int64_t i, int64_t j, int64_t k, uint32_t basis) const;
    // The position of basis atom b of the unit cell with this corner (the same as above).
    static Util::Vector3D atomPosition(const Util::Vector3D &corner, uint32_t basis)
    {
        const Util::Vector3D &offset = turnedBasis()[basis];
        return Util::Vector3D(corner.x + offset.x, corner.y + offset.y, corner.z + offset.z);
    }
    // Index of the volume cell holding a point (cell index order of the volume), or -1 outside.
    int64_t volumeCellAt(const Util::Vector3D &point) const;
    // The lattice's axes in the volume frame (unit vectors, turned by 45 degrees about z).
    static Util::Vector3D turned(double x, double y, double z);

    // The columns j of lattice row i whose unit cells can hold an atom inside the volume, as
    // [first, last] (first > last when none).
    std::array<int64_t, 2> columnsCoveringVolume(uint32_t i) const;
    // The lattice rows i and columns j whose unit cells can hold an atom in volume x layers
    // [x0, x1): those with i - j in the returned [first, last].
    std::array<int64_t, 2> diagonalsCoveringLayers(uint32_t x0, uint32_t x1) const;

    // The diamond-cubic basis in units of the lattice constant, and turned with the lattice in
    // cells.
    static const std::array<std::array<double, 3>, kAtomsPerCell> &basis();
    static const std::array<Util::Vector3D, kAtomsPerCell> &turnedBasis();
    // The seven bonds inside a unit cell.
    static const std::array<Bond, 7> &innerBonds();
    // The six forward neighbours, in the order they are bonded.
    static const std::array<NeighbourBonds, 6> &forwardNeighbours();
    // Where bond slot s of basis atom b leads: the unit cell offset and the basis atom there.
    struct BondTarget {
        int di, dj, dk;
        uint32_t basis;
    };
    static const BondTarget &bondTarget(uint32_t basis, uint32_t slot);

private:
    uint32_t sizeX = 0;
    uint32_t sizeY = 0;
    uint32_t sizeZ = 0;
    uint32_t nx = 0;
    uint32_t ny = 0;
    uint32_t nz = 0;
    double originX = 0.0;
    double originY = 0.0;
};

} // namespace Model::Automaton
