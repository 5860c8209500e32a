#pragma once

#include "Core/Operations/DistanceCountingAutomaton/LimitedProcessEngine.h"

namespace Core::Operations {

// The rules of the engines that remove the process material from every surface touching empty
// space: empty cells are the sources, cells of the process material are emptied once their
// propagated distance to a source is within the depth, and other materials stop the etch.
template <class Engine> class FilmEtchingEngine : public LimitedProcessEngine<Engine> {
public:
    FilmEtchingEngine(Model::Automaton::TotalVolume &volume, uint32_t materialId, float depth)
        : LimitedProcessEngine<Engine>(volume, materialId, depth)
    {
        this->eligibleMaterials = {0, materialId};
    }

protected:
    friend DistanceCountingEngine<Engine>;

    // Empty cells are fixed sources; cells of other materials are fixed; cells of the etched
    // material next to an empty cell start the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice)
    {
        Model::Automaton::Voxel &voxel = this->cells[cell.index];
        if (voxel.materialId == 0) {
            voxel.fixed = 1;
            voxel.setDistance(0.0f, 0.0f, 0.0f);
            return;
        }
        voxel.setDistance(this->limit, this->limit, this->limit);
        if (voxel.materialId != this->materialId) {
            voxel.fixed = 1;
            return;
        }
        voxel.fixed = 0;
        if (this->anyNeighbour(
                cell, [](const Model::Automaton::Voxel &neighbour) { return neighbour.materialId == 0; }))
            this->addToFront(cell.index, slice);
    }

    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice)
    {
        const Model::Automaton::Voxel &voxel = this->cells[cell.index];
        if (voxel.fixed || (voxel.materialId != this->materialId && voxel.materialId != 0))
            return;
        DistanceVector best;
        if (this->relax(cell, this->limitSquared, best))
            this->changeCell(cell, 0, best, begin, end, nextFront, slice);
    }
};

} // namespace Core::Operations
