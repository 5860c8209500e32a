#pragma once

#include "Core/Operations/DistanceCountingAutomaton/FilmDepositionEngine.h"

#include <QString>

namespace Core::Operations {

// Which faces of the solid a vapour deposition coats: those facing up (the vapour comes from
// above), those facing down, or both.
enum class DepositSide : uint32_t {
    Top = 1,
    Bottom = 2,
    Both = 3,
};

// "On Top", "On Bottom", "On Top and Bottom".
QString depositSideText(DepositSide side);

// Physical vapour deposition: an anisotropic deposition whose film comes only from solid cells
// with an empty cell straight above them (top), below them (bottom) or either (both). Side
// walls emit nothing; they are coated only as far as the film grows sideways from the emitting
// faces (r times the thickness).
class SimplePhysicalVaporDeposition final : public FilmDepositionEngine<SimplePhysicalVaporDeposition> {
public:
    SimplePhysicalVaporDeposition(Model::Automaton::TotalVolume &volume, uint32_t materialId, float thickness,
                                  float ratio, DepositSide side);
    ~SimplePhysicalVaporDeposition() override;

private:
    friend Rules;

    // A solid cell is a source when it faces the vapour (an empty cell above it for top, below
    // it for bottom; a cell in the top or bottom layer has no such neighbour); other solid
    // cells are fixed and never emit. Empty cells next to any solid cell start the front.
    void initializeCellAt(const CellSite &cell, uint32_t slice);

    bool facesVapour(const CellSite &cell) const;

    DepositSide side;
};

inline bool SimplePhysicalVaporDeposition::facesVapour(const CellSite &cell) const
{
    const Model::Automaton::Voxel *c = cells + cell.index;
    const bool top = side != DepositSide::Bottom && cell.z + 1 < sizeZ && c[1].materialId == 0;
    const bool bottom = side != DepositSide::Top && cell.z > 0 && c[-1].materialId == 0;
    return top || bottom;
}

inline void SimplePhysicalVaporDeposition::initializeCellAt(const CellSite &cell, uint32_t slice)
{
    Model::Automaton::Voxel &voxel = cells[cell.index];
    if (voxel.materialId != 0) {
        voxel.fixed = 1;
        if (facesVapour(cell))
            voxel.setDistance(0.0f, 0.0f, 0.0f);
        else
            voxel.setDistance(limit, limit, limit);
        return;
    }
    FilmDepositionEngine::initializeCellAt(cell, slice);
}

} // namespace Core::Operations
