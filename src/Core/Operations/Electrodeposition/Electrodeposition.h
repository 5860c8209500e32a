#pragma once

#include "Core/Operations/DistanceCountingAutomaton/FilmDepositionEngine.h"

namespace Core::Operations {

// Electroplating: grows the deposited material, `thickness` length units thick, only from the
// surfaces of the conducting material. Other solids neither emit nor receive the film, but the
// film grown from the conductor spreads over them through the empty cells, up to the thickness.
class Electrodeposition final : public FilmDepositionEngine<Electrodeposition> {
public:
    Electrodeposition(Model::Automaton::TotalVolume &volume, uint32_t depositedMaterialId,
                      uint32_t conductingMaterialId, float thickness);
    ~Electrodeposition() override;

private:
    friend Rules;

    // Conductor cells are fixed sources, other solid cells are fixed and never emit; empty
    // cells next to the conductor start the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice);

    uint32_t conductingMaterialId;
};

inline void Electrodeposition::initializeCellAt(const CellSite &cell, uint32_t slice)
{
    Model::Automaton::Voxel &voxel = cells[cell.index];
    const uint32_t conductor = conductingMaterialId;
    if (voxel.materialId == conductor) {
        voxel.fixed = 1;
        voxel.setDistance(0.0f, 0.0f, 0.0f);
        return;
    }
    voxel.setDistance(limit, limit, limit);
    if (voxel.materialId != 0) {
        voxel.fixed = 1;
        return;
    }
    voxel.fixed = 0;
    if (anyNeighbour(cell,
                     [conductor](const Model::Automaton::Voxel &n) { return n.materialId == conductor; }))
        addToFront(cell.index, slice);
}

} // namespace Core::Operations
