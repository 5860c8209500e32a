#include "Core/Operations/SiWetEtching/SiWetEtchEngine.h"

#include "Core/Operations/SiWetEtching/EmptyNeighbourMap.h"
#include "Model/Automaton/SiLattice.h"
#include "Model/Automaton/TotalVolume.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace Core::Operations {

using Model::Automaton::SiAtom;
using Model::Automaton::SiLattice;
using Model::Automaton::SiLatticeGeometry;

uint64_t SiWetEtchEngine::stepCountFor(double depth)
{
    if (!std::isfinite(depth) || depth <= 0.0)
        return 0;
    // Beyond 2^52 steps the count is no longer exact; no run would ever get there.
    return uint64_t(std::min(std::floor(depth * 4.0 + 0.5), 4503599627370496.0));
}

SiWetEtchEngine::SiWetEtchEngine(Model::Automaton::TotalVolume &volume, double depth)
    : volume(volume), stepCount(stepCountFor(depth))
{
}

SiWetEtchEngine::~SiWetEtchEngine() = default;

void SiWetEtchEngine::run()
{
    Model::Automaton::CellsLocker locker(volume);
    const auto held = volume.getSiLattice();
    if (!held)
        return;
    lattice = held.get();
    cells = locker.get();

    std::vector<Util::SlabRange> ranges = Util::equalSlabs(0, volume.getSizeX(), Util::parallelThreadCount());
    if (ranges.empty())
        ranges.push_back({0, volume.getSizeX()});
    layersPerSlab = std::max<uint32_t>(1, volume.getSizeX() / uint32_t(ranges.size()));
    slabs.assign(ranges.size(), Slab());
    for (size_t s = 0; s < ranges.size(); ++s) {
        slabs[s].layers = ranges[s];
        slabs[s].handOff.resize(ranges.size());
    }
    const auto eachSlab = [&](void (SiWetEtchEngine::*pass)(Slab &)) {
        Util::runSlabs(ranges, [&](const Util::SlabRange &, size_t s) { (this->*pass)(slabs[s]); });
    };

    eachSlab(&SiWetEtchEngine::initialise);
    eachSlab(&SiWetEtchEngine::listSurface);
    for (stepsRun = 0; stepsRun < stepCount; ++stepsRun) {
        eachSlab(&SiWetEtchEngine::decide);
        size_t decided = 0, listed = 0;
        for (const Slab &slab : slabs) {
            decided += slab.removal.size();
            listed += slab.surface.size();
        }
        if (listed == 0 || (decided == 0 && idleStepEndsRun()))
            break;
        Util::runSlabs(ranges, [&](const Util::SlabRange &, size_t s) { removeDecided(slabs[s], s); });
        removedAtoms += decided;
    }
    slabs.clear();
    cells = nullptr;
}

uint32_t SiWetEtchEngine::slabOfAtom(uint32_t atom) const
{
    const uint64_t layer =
        uint64_t(lattice->atom(atom).cellIndex) / (uint64_t(volume.getSizeY()) * volume.getSizeZ());
    return std::min<uint32_t>(uint32_t(layer / layersPerSlab), uint32_t(slabs.size() - 1));
}

// Visits, in lattice order, every atom whose cell lies in the slab's x layers.
template <class Visit> void SiWetEtchEngine::forEachAtomOf(const Slab &slab, const Visit &visit) const
{
    const SiLatticeGeometry &geometry = lattice->getGeometry();
    const auto [dFirst, dLast] = geometry.diagonalsCoveringLayers(slab.layers.begin, slab.layers.end);
    const uint64_t layerCells = uint64_t(volume.getSizeY()) * volume.getSizeZ();
    const uint64_t firstCell = slab.layers.begin * layerCells, endCell = slab.layers.end * layerCells;
    for (int64_t i = 0; i < int64_t(geometry.getNx()); ++i) {
        const int64_t jFirst = std::max<int64_t>(0, i - dLast);
        const int64_t jLast = std::min<int64_t>(int64_t(geometry.getNy()) - 1, i - dFirst);
        for (int64_t j = jFirst; j <= jLast; ++j) {
            const auto [first, end] = lattice->columnCells(uint32_t(i), uint32_t(j));
            for (uint32_t atom = first * SiLatticeGeometry::kAtomsPerCell;
                 atom < end * SiLatticeGeometry::kAtomsPerCell; ++atom) {
                const int64_t cell = lattice->atom(atom).cellIndex;
                if (cell >= int64_t(firstCell) && uint64_t(cell) < endCell)
                    visit(atom);
            }
        }
    }
}

// Atoms follow their cell's material; each silicon cell counts its atoms again.
void SiWetEtchEngine::initialise(Slab &slab)
{
    const uint64_t layerCells = uint64_t(volume.getSizeY()) * volume.getSizeZ();
    for (uint64_t c = slab.layers.begin * layerCells; c < slab.layers.end * layerCells; ++c)
        if (cells[c].materialId == SiLattice::kSilicon)
            cells[c].atomCount = 0;
    forEachAtomOf(slab, [&](uint32_t index) {
        SiAtom &atom = lattice->atom(index);
        Model::Automaton::Voxel &cell = cells[atom.cellIndex];
        if (cell.materialId == SiLattice::kSilicon) {
            atom.state = SiAtom::Present;
            atom.occupation = 1.0f;
            ++cell.atomCount;
        } else {
            atom.state = cell.materialId != 0 ? SiAtom::Fixed : SiAtom::Removed;
        }
    });
}

// After initialisation a removed atom lies in an empty cell, so an atom whose bonds all hold
// atoms can lack a bonded neighbour only near an empty cell: the others are skipped unread.
void SiWetEtchEngine::listSurface(Slab &slab)
{
    const EmptyNeighbourMap map(cells, volume.getSizeX(), volume.getSizeY(), volume.getSizeZ(), slab.layers);
    forEachAtomOf(slab, [&](uint32_t index) {
        const SiAtom &atom = lattice->atom(index);
        if (atom.state != SiAtom::Present)
            return;
        const bool emptySlot =
            std::find(std::begin(atom.bonds), std::end(atom.bonds), SiAtom::kNone) != std::end(atom.bonds);
        if ((emptySlot || map.nearEmpty(uint64_t(atom.cellIndex))) && lattice->bondedCount(index) < 4)
            slab.surface.push_back(index);
    });
}

void SiWetEtchEngine::decide(Slab &slab)
{
    slab.next.clear();
    slab.removal.clear();
    for (auto &list : slab.handOff)
        list.clear();
    const size_t self = size_t(&slab - slabs.data());
    for (uint32_t atom : slab.surface) {
        if (lattice->atom(atom).state != SiAtom::Present)
            continue;
        if (!removedInStep(atom)) {
            slab.next.push_back(atom);
            continue;
        }
        slab.removal.push_back(atom);
        for (uint32_t neighbour : lattice->atom(atom).bonds) {
            if (lattice->stateAt(neighbour) != SiAtom::Present)
                continue;
            const uint32_t owner = slabOfAtom(neighbour);
            (owner == self ? slab.next : slab.handOff[owner]).push_back(neighbour);
        }
    }
}

void SiWetEtchEngine::removeDecided(Slab &slab, size_t index)
{
    for (uint32_t atom : slab.removal) {
        SiAtom &removed = lattice->atom(atom);
        removed.state = SiAtom::Removed;
        removed.occupation = 0.0f;
        Model::Automaton::Voxel &cell = cells[removed.cellIndex];
        if (cell.atomCount > 0 && --cell.atomCount == 0)
            cell.materialId = 0;
    }
    for (const Slab &from : slabs)
        slab.next.insert(slab.next.end(), from.handOff[index].begin(), from.handOff[index].end());
    std::sort(slab.next.begin(), slab.next.end());
    slab.next.erase(std::unique(slab.next.begin(), slab.next.end()), slab.next.end());
    slab.surface.swap(slab.next);
}

} // namespace Core::Operations
