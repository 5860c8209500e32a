#include "Model/Automaton/SiLattice.h"

#include <algorithm>

namespace Model::Automaton {

SiLattice::SiLattice(const SiLatticeGeometry &geometry, std::vector<SiCell> cells, std::vector<SiAtom> atoms,
                     std::vector<uint32_t> columnStarts)
    : geometry(geometry), cells(std::move(cells)), atoms(std::move(atoms)),
      columnStarts(std::move(columnStarts))
{
}

std::pair<uint32_t, uint32_t> SiLattice::columnCells(uint32_t i, uint32_t j) const
{
    const size_t column = size_t(i) * geometry.getNy() + j;
    return {columnStarts[column], columnStarts[column + 1]};
}

std::optional<uint32_t> SiLattice::findCell(uint32_t i, uint32_t j, uint32_t k) const
{
    if (i >= geometry.getNx() || j >= geometry.getNy() || k >= geometry.getNz())
        return std::nullopt;
    const auto [first, end] = columnCells(i, j);
    if (first == end)
        return std::nullopt;
    // A column's cells are mostly one unbroken run of k.
    const uint64_t guess = uint64_t(first) + (k - std::min(k, cells[first].k));
    if (guess < end && cells[guess].k == k)
        return uint32_t(guess);
    const auto begin = cells.begin() + first;
    const auto found = std::lower_bound(begin, cells.begin() + end, k,
                                        [](const SiCell &cell, uint32_t value) { return cell.k < value; });
    if (found == cells.begin() + end || found->k != k)
        return std::nullopt;
    return uint32_t(found - cells.begin());
}

Util::Vector3D SiLattice::atomPosition(uint32_t atom) const
{
    const SiCell &c = cells[cellOf(atom)];
    return geometry.atomPosition(c.i, c.j, c.k, basisOf(atom));
}

Util::Vector3D SiLattice::cellCorner(uint32_t cell) const
{
    const SiCell &c = cells[cell];
    return geometry.cellCorner(c.i, c.j, c.k);
}

uint32_t SiLattice::secondNeighbourCount(uint32_t index) const
{
    uint32_t count = 0;
    for (uint32_t bond : atoms[index].bonds) {
        const uint8_t state = stateAt(bond);
        if (state == SiAtom::Fixed)
            count += 3;
        else if (state == SiAtom::Present)
            count += bondedCount(bond) - 1;
    }
    return count;
}

bool SiLattice::isSurfaceAtom(uint32_t index) const
{
    return atoms[index].state == SiAtom::Present && bondedCount(index) < 4;
}

uint64_t SiLattice::memoryBytes() const
{
    return bytesFor(cells.size(), columnStarts.empty() ? 0 : columnStarts.size() - 1);
}

uint64_t SiLattice::bytesFor(uint64_t cellCount, uint64_t columnCount)
{
    return cellCount * (sizeof(SiCell) + SiLatticeGeometry::kAtomsPerCell * sizeof(SiAtom))
           + (columnCount + 1) * sizeof(uint32_t);
}

} // namespace Model::Automaton
