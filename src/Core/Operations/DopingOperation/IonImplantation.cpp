#include "Core/Operations/DopingOperation/IonImplantation.h"

#include "Core/Operations/DistanceCountingAutomaton/CompatibleMaterials.h"
#include "Model/Process/ProcessFactory.h"

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
    std::vector<CellSite> &band = implanted[slice];
    band.clear();
    for (uint32_t x = begin; x < end; ++x)
        for (uint32_t y = 0; y < sizeY; ++y)
            implantColumn(x, y, band);
    for (const CellSite &cell : band)
        queueBandNeighbours(cell, begin, end, slice);
    std::vector<CellSite>().swap(band);
}

void IonImplantation::implantColumn(uint32_t x, uint32_t y, std::vector<CellSite> &band)
{
    const float a = profile.annealing;
    const float halfBand = float(0.5 * double(cellSizeZ) + double(profile.spread));
    const uint32_t columnStart = (x * sizeY + y) * sizeZ;
    Model::Automaton::Voxel *column = cells + columnStart;
    // The column is read bottom up, in memory order: first to find its top solid cell.
    uint32_t top = 0; // one above the top solid cell; 0 for an empty column
    for (uint32_t z = 0; z < sizeZ; ++z)
        top = column[z].materialId != 0 ? z + 1 : top;
    for (uint32_t z = 0; z < sizeZ; ++z) {
        Model::Automaton::Voxel &voxel = column[z];
        const uint32_t depthIndex = top - z; // 1 for the top solid cell
        // The empty cells above the top solid cell, and cells that cannot be doped, stay.
        if (z >= top || !eligibleMaterials.contains(voxel.materialId)) {
            voxel.setDistance(a, a, a);
            voxel.fixed = 1;
        } else if (std::fabs(float(depthIndex) * cellSizeZ - profile.depth) > halfBand) {
            voxel.setDistance(a, a, a);
            voxel.fixed = 0;
        } else {
            voxel.setDistance(0.0f, 0.0f, 0.0f);
            voxel.fixed = 1;
            voxel.materialId = dopedMaterial;
            band.push_back({columnStart + z, x, y, z});
        }
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
