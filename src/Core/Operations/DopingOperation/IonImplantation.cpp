#include "Core/Operations/DopingOperation/IonImplantation.h"

#include "Core/Operations/DistanceCountingAutomaton/CompatibleMaterials.h"
#include "Model/Process/ProcessFactory.h"

#include <algorithm>
#include <cmath>

namespace Core::Operations {

IonImplantation::IonImplantation(Model::Automaton::TotalVolume &volume, uint32_t dopedMaterial,
                                 const ImplantationProfile &profile)
    : DistanceCountingEngine(volume), dopedMaterial(dopedMaterial), profile(profile),
      annealingSquared(profile.annealing * profile.annealing)
{
    eligibleMaterials = compatibleMaterials(Model::Process::ProcessIds::kSimpleDoping);
    implanted.resize(getSliceCount());
}

IonImplantation::~IonImplantation() = default;

uint32_t IonImplantation::iterationCount() const
{
    return truncatedIterations(double(std::ceil(profile.annealing / smallestCellSize())) * K);
}

void IonImplantation::execute()
{
    run(iterationCount());
}

// First every column of the slab takes its band, then the band's free neighbours are queued:
// with the slab's own cells settled, only cells the annealing can change enter the front.
void IonImplantation::initializeSlice(uint32_t begin, uint32_t end, uint32_t slice)
{
    resetSlice(slice);
    const BandDepths depths = bandDepths();
    std::vector<CellSite> &band = implanted[slice];
    band.clear();
    for (uint32_t x = begin; x < end; ++x)
        for (uint32_t y = 0; y < sizeY; ++y)
            implantColumn(x, y, depths, band);
    for (const CellSite &cell : band)
        queueBandNeighbours(cell, begin, end, slice);
    std::vector<CellSite>().swap(band);
}

// A depth index d (1 for a column's top solid cell) is in the band when |d · cellSizeZ - Di| is at
// most half the band, evaluated in single precision; d · cellSizeZ - Di is monotonic in d, so
// these depths are one range.
IonImplantation::BandDepths IonImplantation::bandDepths() const
{
    const float halfBand = float(0.5 * double(cellSizeZ) + double(profile.spread));
    BandDepths depths;
    for (uint32_t d = 1; d <= sizeZ; ++d) {
        if (std::fabs(float(d) * cellSizeZ - profile.depth) > halfBand)
            continue;
        depths.first = std::min(depths.first, d);
        depths.last = d;
    }
    return depths;
}

// One pass up the column, in memory order, gives every cell the annealing vector (fixed unless
// dopable) and finds the top solid cell; then the band's dopable cells are implanted.
void IonImplantation::implantColumn(uint32_t x, uint32_t y, const BandDepths &depths,
                                    std::vector<CellSite> &band)
{
    const float a = profile.annealing;
    const uint32_t columnStart = (x * sizeY + y) * sizeZ;
    Model::Automaton::Voxel *column = cells + columnStart;
    uint32_t top = 0; // one above the top solid cell; 0 for an empty column
    for (uint32_t z = 0; z < sizeZ; ++z) {
        Model::Automaton::Voxel &voxel = column[z];
        top = voxel.materialId != 0 ? z + 1 : top;
        voxel.setDistance(a, a, a);
        voxel.fixed = eligibleMaterials.contains(voxel.materialId) ? 0 : 1;
    }
    // The empty cells above the top solid cell stay, even where empty cells could be doped.
    if (eligibleMaterials.contains(0))
        for (uint32_t z = top; z < sizeZ; ++z)
            column[z].fixed = 1;
    if (depths.first > depths.last || depths.first > top)
        return;
    for (uint32_t z = top - std::min(depths.last, top); z <= top - depths.first; ++z) {
        Model::Automaton::Voxel &voxel = column[z];
        if (voxel.fixed)
            continue;
        voxel.setDistance(0.0f, 0.0f, 0.0f);
        voxel.fixed = 1;
        voxel.materialId = dopedMaterial;
        band.push_back({columnStart + z, x, y, z});
    }
}

// Queues the implanted cell's free neighbours in the slab, and hands its neighbours in the
// neighbouring slabs over without looking at them: those slabs may be implanting them right now.
// Cells handed over that turn out fixed are passed over by the steps.
void IonImplantation::queueBandNeighbours(const CellSite &cell, uint32_t begin, uint32_t end, uint32_t slice)
{
    queueNeighboursWhere(
        cell, begin, end, fronts[slice], slice, [this](uint32_t index) { return !cells[index].fixed; },
        [](uint32_t) { return true; });
}

} // namespace Core::Operations
