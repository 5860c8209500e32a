#pragma once

#include "Core/Operations/DistanceCountingAutomaton/MaterialIdSet.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkParameters.h"
#include "Model/Automaton/ParticleCounts.h"
#include "Util/ParallelSlabs.h"

#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
struct Voxel;
} // namespace Model::Automaton

namespace Core::Operations {

class PhiloxBatch;

// Thermal diffusion of dopant particles into the dopable cells (the compatible materials of the
// simple doping process) by a random walk. Every cell carries seven particle counters (the
// volume's named particle-count field): each step the particles of a cell stay, or hop to one
// of the six face neighbours with probability p each; x and y wrap around, particles leaving
// through the top or bottom face or towards a cell that is not dopable are lost; cells touching
// empty space are held at the surface count; a cell keeping more particles than the threshold
// count becomes the dopant material.
//
// Each step is two sweeps over the slabs along x: gathering what the neighbours sent, then
// distributing each cell's particles (one draw per particle up to 40 particles, normal
// approximations of six binomial splits above). The draws of a cell in a step come from a
// counter-based generator keyed by the seed, the step and the cell, so a run depends on the
// seed only, never on the number of threads.
//
// The field is only replaced when the run ends: a run works on its own copy and stores it in
// the volume, so a field handed out before (to the view, to an undo record) never changes.
class RandomWalkDoping {
public:
    static constexpr uint32_t kNTypeDopant = 14;
    static constexpr uint32_t kParticleDrawLimit = 40;
    // How many cells the split path takes at a time.
    static constexpr size_t kSplitLanes = 4;

    // The field a dopant's particles are kept in: "Random Walk Particle Count Type N" for
    // material 14, else "Random Walk Particle Count Type P".
    static QString fieldNameFor(uint32_t dopantMaterial);
    // A seed from the clock, for runs that need not be repeatable.
    static uint64_t clockSeed();

    // Finds the volume's field for the dopant, or stores a new one with every count 0.
    // `parameters` must have no problem (RandomWalkParameters::problem()).
    RandomWalkDoping(Model::Automaton::TotalVolume &volume, const RandomWalkParameters &parameters,
                     uint64_t seed);

    // Runs trunc(duration / dt) steps under the volume's cell lock; returns how many.
    uint32_t dope(float duration);

    float getHopProbability() const { return hopProbability; }
    float getStayProbability() const { return stayProbability; }
    uint32_t getSurfaceCount() const { return surfaceCount; }
    uint32_t getThresholdCount() const { return thresholdCount; }
    const QString &getFieldName() const { return fieldName; }

private:
    enum CellKind : uint8_t { Fixed = 0, Free = 1, Surface = 2 };

    void prepare(const Util::SlabRange &slab, Model::Automaton::Voxel *cells);
    void gather(const Util::SlabRange &slab);
    void distribute(const Util::SlabRange &slab, uint32_t step, Model::Automaton::Voxel *cells);
    // The cell's particles drawn one by one, from its blocks queued at `position`.
    void drawEachParticle(Model::Automaton::ParticleCounts &cell, uint32_t particles,
                          const PhiloxBatch &batch, uint32_t position) const;
    // Splits the particles of the cells `group[0 .. lanes - 1]`, whose blocks are queued at
    // `positions`.
    void splitParticles(const size_t *group, const uint32_t *positions, size_t lanes,
                        const PhiloxBatch &batch, uint32_t step);
    void cleanUp(const Util::SlabRange &slab, const Model::Automaton::Voxel *cells);
    std::vector<Util::SlabRange> slabs() const;

    Model::Automaton::TotalVolume &volume;
    float stayProbability;
    float hopProbability;
    float timeStep;
    uint32_t dopantMaterial;
    uint32_t surfaceCount;
    uint32_t thresholdCount;
    QString fieldName;
    uint32_t sizeX;
    uint32_t sizeY;
    uint32_t sizeZ;
    uint64_t seed;
    bool ownsCounts = false;
    MaterialIdSet dopableMaterials;
    // A particle whose 32-bit draw r is below limits32[k - 1] hops with one of the first k
    // directions: r / (2³² - 1) < k·p exactly when r < limits32[k - 1].
    std::array<uint32_t, 6> limits32{};
    std::array<bool, 6> unreachable{};
    Model::Automaton::SharedParticleCountField stored;
    Model::Automaton::ParticleCountField counts;
    std::vector<uint8_t> kinds;
};

} // namespace Core::Operations
