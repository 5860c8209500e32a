#pragma once

#include "Model/Automaton/SiAtom.h"
#include "Model/Automaton/SiCell.h"
#include "Model/Automaton/SiLatticeGeometry.h"
#include "Util/Vector3D.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Model::Automaton {

// A cell volume's atomistic silicon structure: the unit cells of the lattice grid that hold
// at least one atom inside the volume's silicon, kept in key order ((ny · i + j) · nz + k),
// with their eight atoms each, joined by bonds. Built by SiLatticeBuilder; the wet etchings
// change the atoms' states (and the continuous one their occupations).
class SiLattice {
public:
    static constexpr uint32_t kSilicon = 1;

    SiLattice(const SiLatticeGeometry &geometry, std::vector<SiCell> cells, std::vector<SiAtom> atoms,
              std::vector<uint32_t> columnStarts);

    const SiLatticeGeometry &getGeometry() const { return geometry; }
    uint32_t getCellCount() const { return uint32_t(cells.size()); }
    uint32_t getAtomCount() const { return uint32_t(atoms.size()); }
    const SiCell &cell(uint32_t index) const { return cells[index]; }
    SiAtom &atom(uint32_t index) { return atoms[index]; }
    const SiAtom &atom(uint32_t index) const { return atoms[index]; }

    static uint32_t cellOf(uint32_t atom) { return atom / SiLatticeGeometry::kAtomsPerCell; }
    static uint32_t basisOf(uint32_t atom) { return atom % SiLatticeGeometry::kAtomsPerCell; }
    // The kept unit cells of lattice column (i, j), as [first, end) cell indices.
    std::pair<uint32_t, uint32_t> columnCells(uint32_t i, uint32_t j) const;
    // The index of the unit cell (i, j, k) when it is kept.
    std::optional<uint32_t> findCell(uint32_t i, uint32_t j, uint32_t k) const;

    // In the volume's frame, in cells.
    Util::Vector3D atomPosition(uint32_t atom) const;
    Util::Vector3D cellCorner(uint32_t cell) const;

    // The state of the atom bond slot value `slot` leads to: removed for an empty slot.
    uint8_t stateAt(uint32_t slot) const
    {
        if (slot < SiAtom::kFixedNeighbour)
            return atoms[slot].state;
        return slot == SiAtom::kFixedNeighbour ? SiAtom::Fixed : SiAtom::Removed;
    }
    // n(a): 4 for a fixed atom, else the bonded atoms that are not removed.
    uint32_t bondedCount(uint32_t atom) const
    {
        const SiAtom &a = atoms[atom];
        if (a.state == SiAtom::Fixed)
            return 4;
        uint32_t count = 0;
        for (uint32_t bond : a.bonds)
            count += stateAt(bond) != SiAtom::Removed;
        return count;
    }
    // m(a): over a's bonded atoms b, n(b) - 1 for a present b, 3 for a fixed one.
    uint32_t secondNeighbourCount(uint32_t atom) const;
    // A present atom with fewer than four bonded neighbours.
    bool isSurfaceAtom(uint32_t atom) const;

    // Bytes held by the cells, atoms and column table.
    uint64_t memoryBytes() const;
    // Bytes a lattice of this many unit cells and columns holds.
    static uint64_t bytesFor(uint64_t cellCount, uint64_t columnCount);

private:
    SiLatticeGeometry geometry;
    std::vector<SiCell> cells;
    std::vector<SiAtom> atoms;
    // Index of the first kept cell of each column (i, j) at i · ny + j, then the cell count.
    std::vector<uint32_t> columnStarts;
};

} // namespace Model::Automaton
