#pragma once

#include "Core/Operations/DistanceCountingAutomaton/DistanceCountingEngine.h"

#include <vector>

namespace Core::Operations {

// Thermal oxidation of silicon: an oxide of a total thickness grows on every surface of the
// oxidizable materials (the compatible materials of the oxidation process) that touches empty
// space; 56 % of it grows out into empty space, 44 % consumes the oxidizable material. The
// steps only propagate distance vectors; the final pass decides which cells become oxide.
class SimpleSiOxidation final
    : public DistanceCountingEngine<SimpleSiOxidation, AbstractDistanceCountingAutomatonBase> {
public:
    static constexpr uint32_t kOxideMaterial = 3;

    SimpleSiOxidation(Model::Automaton::TotalVolume &volume, double unitsPerMicron);
    ~SimpleSiOxidation() override;

    // The Deal-Grove oxide thickness in microns after `hours` at `kelvin` and `atmospheres` of
    // oxygen, starting from the native 0.025 µm.
    static double dealGroveThickness(double hours, double kelvin, double atmospheres);

    // Oxidises to `microns` of oxide (nothing for a negative or infinite thickness).
    void execute(double microns);

    float getGrownThickness() const { return grown; }
    float getConsumedThickness() const { return consumed; }

protected:
    // Decides only the cells that can become oxide: the sources and the cells the steps reached
    // (a cell no source reached keeps a vector beyond both limits).
    void finalizeSlice(uint32_t begin, uint32_t end, uint32_t slice) override;

private:
    friend Rules;

    void initializeCellAt(const CellSite &cell, uint32_t slice);
    void updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end, Front &nextFront, uint32_t slice);
    void finalizeCellAt(const CellSite &cell, uint32_t slice);

    bool isEmpty(const Model::Automaton::Voxel &voxel) const { return voxel.materialId == 0; }
    // Empty cells are reached by the grown oxide, oxidizable ones by the consumed part.
    float limitSquaredAt(const Model::Automaton::Voxel &voxel) const
    {
        return isEmpty(voxel) ? grownLimitSq : consumedLimitSq;
    }
    bool isOxidizable(const Model::Automaton::Voxel &voxel) const
    {
        return oxidizableMaterials.contains(voxel.materialId);
    }
    // An oxidizable cell touching empty space: where the oxide starts.
    bool isSource(const CellSite &cell) const;

    double totalThickness = 0.0; // cell units
    double unitsPerMicron;
    float grown = 0.0f;
    float consumed = 0.0f;
    float grownLimitSq = 0.0f;
    float consumedLimitSq = 0.0f;
    // The vector of the cells no source has reached yet: (T, T, T), T the total thickness, is
    // beyond both limits; for T = 0 it is (1, 1, 1) instead, so that nothing oxidises.
    float unreached = 1.0f;
    MaterialIdSet oxidizableMaterials;
    std::vector<std::vector<uint32_t>> reached; // per slab: sources and cells the steps changed
};

inline bool SimpleSiOxidation::isSource(const CellSite &cell) const
{
    return isOxidizable(cells[cell.index])
           && anyNeighbour(cell, [this](const Model::Automaton::Voxel &n) { return isEmpty(n); });
}

inline void SimpleSiOxidation::initializeCellAt(const CellSite &cell, uint32_t slice)
{
    Model::Automaton::Voxel &voxel = cells[cell.index];
    const float t = unreached;
    if (isSource(cell)) {
        voxel.fixed = 1;
        voxel.setDistance(0.0f, 0.0f, 0.5f * cellSizeZ);
        reached[slice].push_back(cell.index);
        // Every free cell next to a source starts the front: its empty neighbours and its
        // oxidizable ones (those that are sources themselves are fixed and passed over).
        const Util::SlabRange &slab = getSlabs()[slice];
        queueNeighbours(cell, slab.begin, slab.end, fronts[slice], slice, eligibleMaterials);
        return;
    }
    voxel.setDistance(t, t, t);
    voxel.fixed = isEmpty(voxel) || isOxidizable(voxel) ? 0 : 1;
}

inline void SimpleSiOxidation::updateCellAt(const CellSite &cell, uint32_t begin, uint32_t end,
                                            Front &nextFront, uint32_t slice)
{
    const Model::Automaton::Voxel &voxel = cells[cell.index];
    if (voxel.fixed)
        return;
    DistanceVector best;
    // Only the vector changes during the steps.
    if (relax(cell, limitSquaredAt(voxel), best)) {
        changeCell(cell, voxel.materialId, best, begin, end, nextFront, slice);
        reached[slice].push_back(cell.index);
    }
}

inline void SimpleSiOxidation::finalizeCellAt(const CellSite &cell, uint32_t)
{
    Model::Automaton::Voxel &voxel = cells[cell.index];
    const float length = DistanceVector{voxel.distanceX, voxel.distanceY, voxel.distanceZ}.squaredLength();
    if ((isOxidizable(voxel) && consumedLimitSq >= length) || (isEmpty(voxel) && grownLimitSq >= length))
        voxel.materialId = kOxideMaterial;
}

} // namespace Core::Operations
