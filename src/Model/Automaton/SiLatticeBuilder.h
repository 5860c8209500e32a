#pragma once

#include <cstdint>
#include <memory>

namespace Model::Automaton {

class SiLattice;
class TotalVolume;
struct Voxel;

// What building a volume's lattice came to.
struct SiLatticeBuild {
    std::shared_ptr<SiLattice> lattice; // null when refused
    uint64_t unitCells = 0;             // unit cells the lattice needs
    uint64_t siliconAtoms = 0;          // atoms inside silicon cells
    uint64_t requiredBytes = 0;
    uint64_t budgetBytes = 0;

    bool refused() const { return !lattice; }
};

// Builds the silicon lattice of a cell volume: every unit cell of the lattice grid with at
// least one atom inside a silicon cell, its atoms placed (in silicon: present, counted in the
// cell's atom count; in another material: fixed; in an empty cell or outside: removed), and
// the bonds inside each unit cell and towards its six forward neighbours. The unit cells are
// counted first; a lattice that would need more than `budgetBytes` (or more atoms than 32-bit
// indices reach) is refused before anything is allocated. The caller holds the cell lock.
class SiLatticeBuilder {
public:
    SiLatticeBuilder(const TotalVolume &volume, Voxel *cells) : volume(volume), cells(cells) {}

    SiLatticeBuild build(uint64_t budgetBytes);

private:
    const TotalVolume &volume;
    Voxel *cells;
};

} // namespace Model::Automaton
