#pragma once

#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEngine.h"

namespace Core::Operations {

// Removes `layers` cell layers of one material from every face, edge and corner touching empty
// space, through that material only: other materials stop it, so a mask of another material
// is undercut as far diagonally as sideways.
class MooreNeighborhoodEtching final : public MooreNeighborhoodEngine<MooreNeighborhoodEtching> {
public:
    MooreNeighborhoodEtching(Model::Automaton::TotalVolume &volume, uint32_t materialId, uint32_t layers);
    ~MooreNeighborhoodEtching() override;

private:
    friend MooreNeighborhoodEngine;
    friend Rules;

    static bool isSource(const Model::Automaton::Voxel &cell) { return cell.materialId == 0; }
    bool isTarget(const Model::Automaton::Voxel &cell) const { return cell.materialId == materialId; }
    static uint32_t newMaterial() { return 0; }
};

} // namespace Core::Operations
