#include "Model/Automaton/SiLatticeBuilder.h"

#include "Model/Automaton/SiLattice.h"
#include "Model/Automaton/TotalVolume.h"
#include "Util/ParallelSlabs.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace Model::Automaton {
namespace {

constexpr uint32_t kAtomsPerCell = SiLatticeGeometry::kAtomsPerCell;

// Lattice rows i split into one slab per pool thread (one slab when there are fewer rows).
std::vector<Util::SlabRange> rowSlabs(uint32_t rows)
{
    std::vector<Util::SlabRange> slabs = Util::equalSlabs(0, rows, Util::parallelThreadCount());
    if (slabs.empty())
        slabs.push_back({0, rows});
    return slabs;
}

// Calls visit(j) for the columns of row i that can reach into the volume.
template <class Visit> void forEachColumn(const SiLatticeGeometry &geometry, uint32_t i, const Visit &visit)
{
    const auto [first, last] = geometry.columnsCoveringVolume(i);
    for (int64_t j = first; j <= last; ++j)
        visit(uint32_t(j));
}

class Placement {
public:
    Placement(const SiLatticeGeometry &geometry, const Voxel *cells) : geometry(geometry), cells(cells) {}

    // Places basis atom b of the unit cell with this corner; true when it lies in silicon.
    bool place(const Util::Vector3D &corner, uint32_t b, SiAtom &atom) const
    {
        const int64_t index = geometry.volumeCellAt(SiLatticeGeometry::atomPosition(corner, b));
        atom.cellIndex = int32_t(index);
        if (index < 0) {
            // The crystal goes on beyond the volume's sides and bottom.
            atom.state = SiAtom::Fixed;
            return false;
        }
        const uint32_t material = cells[index].materialId;
        atom.state = material == SiLattice::kSilicon ? SiAtom::Present
                     : material != 0                 ? SiAtom::Fixed
                                                     : SiAtom::Removed;
        return material == SiLattice::kSilicon;
    }

    // Whether any atom of unit cell (i, j, k) lies in silicon.
    bool touchesSilicon(uint32_t i, uint32_t j, uint32_t k) const
    {
        const Util::Vector3D corner = geometry.cellCorner(i, j, k);
        SiAtom atom;
        for (uint32_t b = 0; b < kAtomsPerCell; ++b)
            if (place(corner, b, atom))
                return true;
        return false;
    }

private:
    const SiLatticeGeometry &geometry;
    const Voxel *cells;
};

// The kept unit cells of lattice rows [slab.begin, slab.end).
std::pair<uint32_t, uint32_t> cellsOfRows(const SiLattice &lattice, const Util::SlabRange &slab)
{
    const auto startOfRow = [&](uint32_t i) {
        return i < lattice.getGeometry().getNx() ? lattice.columnCells(i, 0).first : lattice.getCellCount();
    };
    return {startOfRow(slab.begin), startOfRow(slab.end)};
}

void bond(SiLattice &lattice, uint32_t first, uint32_t second, uint32_t slot)
{
    lattice.atom(first).bonds[slot] = second;
    lattice.atom(second).bonds[3 - slot] = first;
}

// Bonds every kept unit cell inside and to its kept forward neighbours. Each bond slot is
// written by exactly one bond, so the row slabs never write the same slot.
void bondAll(SiLattice &lattice, const std::vector<Util::SlabRange> &slabs)
{
    const auto &inner = SiLatticeGeometry::innerBonds();
    const auto &forward = SiLatticeGeometry::forwardNeighbours();
    Util::runSlabs(slabs, [&](const Util::SlabRange &slab, size_t) {
        const auto [first, end] = cellsOfRows(lattice, slab);
        for (uint32_t c = first; c < end; ++c) {
            const uint32_t base = c * kAtomsPerCell;
            for (const auto &b : inner)
                bond(lattice, base + b.first, base + b.second, b.slot);
            const SiCell &cell = lattice.cell(c);
            for (const auto &n : forward) {
                const auto other = lattice.findCell(cell.i + n.di, cell.j + n.dj, cell.k + n.dk);
                if (!other)
                    continue;
                for (uint32_t b = 0; b < n.count; ++b)
                    bond(lattice, base + n.bonds[b].first, *other * kAtomsPerCell + n.bonds[b].second,
                         n.bonds[b].slot);
            }
        }
    });
}

// A bond slot left empty leads to a site whose unit cell the lattice does not hold; when that
// site lies outside the volume or in another material, the slot leads to a fixed atom. Without
// this, silicon right under a mask layer or at the volume's edge would count as bare surface.
void closeOpenBonds(SiLattice &lattice, const Voxel *cells, const std::vector<Util::SlabRange> &slabs)
{
    const SiLatticeGeometry &geometry = lattice.getGeometry();
    Util::runSlabs(slabs, [&](const Util::SlabRange &slab, size_t) {
        const auto [first, end] = cellsOfRows(lattice, slab);
        for (uint32_t c = first; c < end; ++c) {
            const SiCell &cell = lattice.cell(c);
            for (uint32_t b = 0; b < kAtomsPerCell; ++b) {
                SiAtom &atom = lattice.atom(c * kAtomsPerCell + b);
                for (uint32_t slot = 0; slot < 4; ++slot) {
                    if (atom.bonds[slot] != SiAtom::kNone)
                        continue;
                    const auto &target = SiLatticeGeometry::bondTarget(b, slot);
                    const int64_t site = geometry.volumeCellAt(
                        geometry.atomPosition(int64_t(cell.i) + target.di, int64_t(cell.j) + target.dj,
                                              int64_t(cell.k) + target.dk, target.basis));
                    if (site < 0 || cells[site].materialId != 0)
                        atom.bonds[slot] = SiAtom::kFixedNeighbour;
                }
            }
        }
    });
}

// Every cell's atom count: the lattice atoms placed in it while it held silicon.
uint64_t countAtoms(const SiLattice &lattice, Voxel *cells, uint64_t cellCount)
{
    for (uint64_t i = 0; i < cellCount; ++i)
        cells[i].atomCount = 0;
    uint64_t counted = 0;
    for (uint32_t a = 0, n = lattice.getAtomCount(); a < n; ++a) {
        const SiAtom &atom = lattice.atom(a);
        if (atom.state == SiAtom::Present) {
            ++cells[atom.cellIndex].atomCount;
            ++counted;
        }
    }
    return counted;
}

} // namespace

SiLatticeBuild SiLatticeBuilder::build(uint64_t budgetBytes)
{
    const SiLatticeGeometry geometry(volume.getSizeX(), volume.getSizeY(), volume.getSizeZ());
    const Placement placement(geometry, cells);
    const auto slabs = rowSlabs(geometry.getNx());
    const uint32_t ny = geometry.getNy(), nz = geometry.getNz();
    SiLatticeBuild result;
    result.budgetBytes = budgetBytes;

    // Count the kept unit cells of every column.
    std::vector<uint32_t> columnStarts(size_t(geometry.columnCount()) + 1, 0);
    Util::runSlabs(slabs, [&](const Util::SlabRange &slab, size_t) {
        for (uint32_t i = slab.begin; i < slab.end; ++i)
            forEachColumn(geometry, i, [&](uint32_t j) {
                uint32_t &count = columnStarts[size_t(i) * ny + j];
                for (uint32_t k = 0; k < nz; ++k)
                    count += placement.touchesSilicon(i, j, k);
            });
    });
    const uint64_t cellCount = std::accumulate(columnStarts.begin(), columnStarts.end(), uint64_t(0));
    result.unitCells = cellCount;
    result.requiredBytes = SiLattice::bytesFor(cellCount, geometry.columnCount());
    const uint64_t maxCells = (std::numeric_limits<uint32_t>::max() - 1) / kAtomsPerCell;
    if (result.requiredBytes > budgetBytes || cellCount > maxCells
        || volume.getCellCount() > uint64_t(std::numeric_limits<int32_t>::max()))
        return result;
    std::exclusive_scan(columnStarts.begin(), columnStarts.end(), columnStarts.begin(), uint32_t(0));

    // Place the atoms of every kept unit cell, in key order.
    std::vector<SiCell> unitCells(cellCount);
    std::vector<SiAtom> atoms(cellCount * kAtomsPerCell);
    Util::runSlabs(slabs, [&](const Util::SlabRange &slab, size_t) {
        for (uint32_t i = slab.begin; i < slab.end; ++i)
            forEachColumn(geometry, i, [&](uint32_t j) {
                uint32_t next = columnStarts[size_t(i) * ny + j];
                for (uint32_t k = 0; k < nz; ++k) {
                    const Util::Vector3D corner = geometry.cellCorner(i, j, k);
                    SiAtom placed[kAtomsPerCell];
                    bool inSilicon = false;
                    for (uint32_t b = 0; b < kAtomsPerCell; ++b)
                        inSilicon |= placement.place(corner, b, placed[b]);
                    if (!inSilicon)
                        continue;
                    std::copy(placed, placed + kAtomsPerCell, &atoms[size_t(next) * kAtomsPerCell]);
                    unitCells[next++] = {i, j, k};
                }
            });
    });
    auto lattice = std::make_shared<SiLattice>(geometry, std::move(unitCells), std::move(atoms),
                                               std::move(columnStarts));
    bondAll(*lattice, slabs);
    closeOpenBonds(*lattice, cells, slabs);
    result.siliconAtoms = countAtoms(*lattice, cells, volume.getCellCount());
    result.lattice = std::move(lattice);
    return result;
}

} // namespace Model::Automaton
