#pragma once

#include "Core/Operations/DistanceCountingAutomaton/LimitedProcessEngine.h"

namespace Core::Operations {

// The rules of the engines that grow a film of the process material into empty space: solid
// cells are the sources, empty cells take the process material once their propagated distance
// to a source is within the thickness. An engine with other sources hides `initializeCellAt`
// with its own.
template <class Engine> class FilmDepositionEngine : public LimitedProcessEngine<Engine> {
public:
    FilmDepositionEngine(Model::Automaton::TotalVolume &volume, uint32_t materialId, float thickness)
        : LimitedProcessEngine<Engine>(volume, materialId, thickness)
    {
        this->eligibleMaterials = {0, materialId};
    }

protected:
    friend DistanceCountingEngine<Engine>;

    // Solid cells are fixed sources; empty cells next to a solid cell start the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice)
    {
        Model::Automaton::Voxel &voxel = this->cells[cell.index];
        if (voxel.materialId != 0) {
            voxel.fixed = 1;
            voxel.setDistance(0.0f, 0.0f, 0.0f);
            return;
        }
        voxel.fixed = 0;
        voxel.setDistance(this->limit, this->limit, this->limit);
        if (this->anyNeighbour(
                cell, [](const Model::Automaton::Voxel &neighbour) { return neighbour.materialId != 0; }))
            this->addToFront(cell.index, slice);
    }

    // A free cell takes the shortest propagated vector within the thickness; an empty cell gets
    // the process material, a cell deposited in an earlier step keeps its material.
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice)
    {
        const Model::Automaton::Voxel &voxel = this->cells[cell.index];
        if (voxel.fixed)
            return;
        DistanceVector best;
        if (!this->relax(cell, this->limitSquared, best))
            return;
        const uint32_t newMaterial = voxel.materialId == 0 ? this->materialId : voxel.materialId;
        this->changeCell(cell, newMaterial, best, begin, end, nextFront, slice);
    }
};

} // namespace Core::Operations
