#pragma once

#include "Core/Operations/DistanceCountingAutomaton/DistanceCountingEngine.h"

#include <limits>
#include <vector>

namespace Core::Operations {

// The options of an ion implantation, in length units.
struct ImplantationProfile {
    float depth = 50.0f;     // Di: depth of the implanted band below each column's top solid cell
    float spread = 20.0f;    // S: half the band's vertical extent beyond half a cell
    float annealing = 10.0f; // A: how far the dopant then spreads through dopable material
};

// Places a band of doped cells at the implantation depth below the top solid cell of every
// column (only dopable cells take the dopant), then anneals: every dopable cell within the
// annealing distance of the band, through dopable cells, is doped too.
class IonImplantation final : public DistanceCountingEngine<IonImplantation> {
public:
    IonImplantation(Model::Automaton::TotalVolume &volume, uint32_t dopedMaterial,
                    const ImplantationProfile &profile);
    ~IonImplantation() override;

    // Runs trunc(ceilf(A / m) · K) annealing steps, m the smallest cell size.
    void execute();
    uint32_t iterationCount() const;

protected:
    // Implants the band of every column of the slab and queues the band's neighbours.
    void initializeSlice(uint32_t begin, uint32_t end, uint32_t slice) override;

private:
    friend Rules;

    void initializeCellAt(const CellSite &, uint32_t) {}
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice);
    float limitSquaredAt(const Model::Automaton::Voxel &) const { return annealingSquared; }
    // The depth indices of the band, first to last (first > last when there are none).
    struct BandDepths {
        uint32_t first = std::numeric_limits<uint32_t>::max();
        uint32_t last = 0;
    };
    BandDepths bandDepths() const;
    // Initialises the column's cells and places its part of the band, listing the implanted cells.
    void implantColumn(uint32_t x, uint32_t y, const BandDepths &depths, std::vector<CellSite> &band);
    void queueBandNeighbours(const CellSite &cell, uint32_t begin, uint32_t end, uint32_t slice);

    uint32_t dopedMaterial;
    ImplantationProfile profile;
    float annealingSquared;
    std::vector<std::vector<CellSite>> implanted; // per slab, during the initialisation
};

inline void IonImplantation::updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end,
                                          Front &nextFront, uint32_t slice)
{
    const Model::Automaton::Voxel &voxel = cells[cell.index];
    if (voxel.fixed || !eligibleMaterials.contains(voxel.materialId))
        return;
    DistanceVector best;
    if (relax(cell, annealingSquared, best))
        changeCell(cell, dopedMaterial, best, begin, end, nextFront, slice);
}

} // namespace Core::Operations
