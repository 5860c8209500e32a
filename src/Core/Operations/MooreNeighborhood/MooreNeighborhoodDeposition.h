#pragma once

#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEngine.h"

namespace Core::Operations {

// Deposits `layers` cell layers of one material on every exposed solid: afterwards every empty
// cell within Chebyshev distance `layers` of the solid present before the run holds it.
class MooreNeighborhoodDeposition final : public MooreNeighborhoodEngine<MooreNeighborhoodDeposition> {
public:
    MooreNeighborhoodDeposition(Model::Automaton::TotalVolume &volume, uint32_t materialId, uint32_t layers);
    ~MooreNeighborhoodDeposition() override;

private:
    friend MooreNeighborhoodEngine;
    friend Rules;

    static bool isSource(const Model::Automaton::Voxel &cell) { return cell.materialId != 0; }
    static bool isTarget(const Model::Automaton::Voxel &cell) { return cell.materialId == 0; }
    uint32_t newMaterial() const { return materialId; }
};

} // namespace Core::Operations
