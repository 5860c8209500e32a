#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"

#include "Core/Operations/DistanceCountingAutomaton/CompatibleMaterials.h"
#include "Core/Operations/RandomWalkDoping/NormalDeviate.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Process/ProcessFactory.h"

#include <QDebug>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace Core::Operations {

using Model::Automaton::ParticleCountField;
using Model::Automaton::ParticleCounts;
using Model::Automaton::Voxel;

namespace {

constexpr uint32_t kLargestCount = std::numeric_limits<uint32_t>::max();
constexpr uint32_t kStay = 6;
// The split of the movers into a third and two thirds, as the single-precision 1/3.
constexpr float kThird = 0.33333334f;

uint32_t truncatedCount(float value)
{
    if (!(value >= 1.0f))
        return 0;
    return value >= float(kLargestCount) ? kLargestCount : uint32_t(value);
}

// The smallest 32-bit draw r with r / (2³² - 1) >= threshold (2³² when there is none).
uint64_t drawLimit(double threshold)
{
    uint64_t low = 0, high = uint64_t(1) << 32;
    while (low < high) {
        const uint64_t middle = low + (high - low) / 2;
        if (double(middle) / 4294967295.0 >= threshold)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

// Splits n particles in two, the first part binomially distributed with probability `share`,
// drawn from the normal approximation: a deviate of mean n·share and deviation
// sqrt((1 - share)·mean), rounded to the nearest integer (halves up) and drawn again until it
// lies in [0, n]. Returns the first part.
uint32_t split(uint32_t n, float share, CellRandomStream &random)
{
    const float mean = float(n) * share;
    const double deviation = std::sqrt((1.0 - double(share)) * double(mean));
    const double limit = double(n) + 1.0;
    if (deviation > 0.0) {
        // A bound on the redraws, for the degenerate means that float(n) rounding can give.
        for (int attempt = 0; attempt < 1000; ++attempt) {
            const double rounded = double(mean) + deviation * NormalDeviate::draw(random) + 0.5;
            if (rounded >= 0.0 && rounded < limit)
                return uint32_t(rounded); // floor, as rounded is not negative
        }
    }
    return uint32_t(std::clamp(std::floor(double(mean) + 0.5), 0.0, double(n)));
}

} // namespace

QString RandomWalkDoping::fieldNameFor(uint32_t dopantMaterial)
{
    return dopantMaterial == kNTypeDopant ? QStringLiteral("Random Walk Particle Count Type N")
                                          : QStringLiteral("Random Walk Particle Count Type P");
}

uint64_t RandomWalkDoping::clockSeed()
{
    return uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}

RandomWalkDoping::RandomWalkDoping(Model::Automaton::TotalVolume &volume, const RandomWalkParameters &p,
                                   uint64_t seed)
    : volume(volume), timeStep(p.timeStep), dopantMaterial(p.dopantMaterial),
      fieldName(fieldNameFor(p.dopantMaterial)), sizeX(volume.getSizeX()), sizeY(volume.getSizeY()),
      sizeZ(volume.getSizeZ()), seed(seed),
      dopableMaterials(compatibleMaterials(Model::Process::ProcessIds::kSimpleDoping))
{
    const float hops = p.totalHopProbability();
    stayProbability = 1.0f - hops;
    hopProbability = (1.0f - stayProbability) / 6.0f;
    const float cellVolume = p.cellSize * p.cellSize * p.cellSize;
    surfaceCount = truncatedCount(cellVolume * p.surfaceConcentration);
    thresholdCount = truncatedCount(cellVolume * p.thresholdConcentration);
    for (int k = 1; k <= 6; ++k)
        particleLimits[size_t(k - 1)] = drawLimit(double(float(k) * hopProbability));

    stored = volume.getParticleCounts(fieldName);
    if (!stored || stored->size() != volume.getCellCount()) {
        stored = std::make_shared<const ParticleCountField>(size_t(volume.getCellCount()));
        volume.setParticleCounts(fieldName, stored);
        ownsCounts = true;
    }
}

std::vector<Util::SlabRange> RandomWalkDoping::slabs() const
{
    auto result = Util::equalSlabs(0, sizeX, Util::parallelThreadCount());
    if (result.empty())
        result.push_back({0, sizeX});
    return result;
}

uint32_t RandomWalkDoping::dope(float duration)
{
    const float stepCount = duration / timeStep;
    const uint32_t steps = std::isfinite(stepCount) ? truncatedCount(stepCount) : 0;
    qDebug() << "Steps to run:" << steps;
    if (steps == 0 || volume.getCellCount() == 0)
        return 0;
    Model::Automaton::CellsLocker locker(volume);
    Voxel *cells = locker.get();
    counts = *stored;
    kinds.assign(size_t(volume.getCellCount()), Fixed);
    const auto work = slabs();
    Util::runSlabs(work, [&](const Util::SlabRange &slab, size_t) { prepare(slab, cells); });
    for (uint32_t step = 0; step < steps; ++step) {
        Util::runSlabs(work, [&](const Util::SlabRange &slab, size_t) { gather(slab); });
        Util::runSlabs(work, [&](const Util::SlabRange &slab, size_t) { distribute(slab, step, cells); });
    }
    Util::runSlabs(work, [&](const Util::SlabRange &slab, size_t) { cleanUp(slab, cells); });
    stored = std::make_shared<const ParticleCountField>(std::move(counts));
    volume.setParticleCounts(fieldName, stored);
    counts = ParticleCountField();
    std::vector<uint8_t>().swap(kinds);
    return steps;
}

void RandomWalkDoping::prepare(const Util::SlabRange &slab, Voxel *cells)
{
    const size_t layer = size_t(sizeY) * sizeZ;
    size_t i = slab.begin * layer;
    for (uint32_t x = slab.begin; x < slab.end; ++x)
        for (uint32_t y = 0; y < sizeY; ++y)
            for (uint32_t z = 0; z < sizeZ; ++z, ++i) {
                cells[i].fixed = 1;
                if (!dopableMaterials.contains(cells[i].materialId)) {
                    counts[i] = ParticleCounts();
                    continue;
                }
                cells[i].fixed = 0;
                if (ownsCounts)
                    counts[i] = ParticleCounts();
                const auto empty = [&](size_t j) { return cells[j].materialId == 0; };
                const bool surface = (z > 0 && empty(i - 1)) || (z + 1 < sizeZ && empty(i + 1))
                                     || (y > 0 && empty(i - sizeZ)) || (y + 1 < sizeY && empty(i + sizeZ))
                                     || (x > 0 && empty(i - layer)) || (x + 1 < sizeX && empty(i + layer));
                kinds[i] = surface ? Surface : Free;
            }
}

void RandomWalkDoping::gather(const Util::SlabRange &slab)
{
    for (uint32_t x = slab.begin; x < slab.end; ++x) {
        const uint32_t below = x == 0 ? sizeX - 1 : x - 1;
        const uint32_t above = x + 1 == sizeX ? 0 : x + 1;
        for (uint32_t y = 0; y < sizeY; ++y) {
            const size_t column = (size_t(x) * sizeY + y) * sizeZ;
            const size_t front = (size_t(x) * sizeY + (y == 0 ? sizeY - 1 : y - 1)) * sizeZ;
            const size_t back = (size_t(x) * sizeY + (y + 1 == sizeY ? 0 : y + 1)) * sizeZ;
            const size_t left = (size_t(below) * sizeY + y) * sizeZ;
            const size_t right = (size_t(above) * sizeY + y) * sizeZ;
            for (uint32_t z = 0; z < sizeZ; ++z) {
                const size_t i = column + z;
                if (kinds[i] == Fixed)
                    continue;
                auto &counters = counts[i].counts;
                if (kinds[i] == Surface && surfaceCount > 0) {
                    counters[kStay] = surfaceCount;
                    continue;
                }
                // Neighbour k sends its slot k towards this cell.
                uint64_t total = counters[kStay];
                if (z > 0)
                    total += counts[i - 1].counts[0];
                if (z + 1 < sizeZ)
                    total += counts[i + 1].counts[1];
                total += uint64_t(counts[front + z].counts[2]) + counts[back + z].counts[3]
                         + counts[left + z].counts[4] + counts[right + z].counts[5];
                counters[kStay] = uint32_t(std::min<uint64_t>(total, kLargestCount));
            }
        }
    }
}

void RandomWalkDoping::distribute(const Util::SlabRange &slab, uint32_t step, Voxel *cells)
{
    const size_t layer = size_t(sizeY) * sizeZ;
    for (size_t i = slab.begin * layer, end = slab.end * layer; i < end; ++i) {
        if (kinds[i] == Fixed)
            continue;
        ParticleCounts &cell = counts[i];
        const uint32_t particles = cell.counts[kStay];
        CellRandomStream random(seed, uint32_t(i), step);
        if (particles <= kParticleDrawLimit)
            drawEachParticle(cell, particles, random);
        else
            splitParticles(cell, particles, random);
        if (cell.counts[kStay] > thresholdCount)
            cells[i].materialId = dopantMaterial;
    }
}

void RandomWalkDoping::drawEachParticle(ParticleCounts &cell, uint32_t particles,
                                        CellRandomStream &random) const
{
    cell = ParticleCounts();
    for (uint32_t n = 0; n < particles; ++n) {
        const uint64_t r = random.nextU32();
        unsigned slot = 0;
        for (uint64_t limit : particleLimits)
            slot += r >= limit ? 1u : 0u;
        ++cell.counts[slot];
    }
}

void RandomWalkDoping::splitParticles(ParticleCounts &cell, uint32_t particles,
                                      CellRandomStream &random) const
{
    auto &counters = cell.counts;
    counters[kStay] = split(particles, stayProbability, random);
    const uint32_t movers = particles - counters[kStay];
    const uint32_t vertical = split(movers, kThird, random);
    const uint32_t lateral = movers - vertical;
    const uint32_t alongY = split(lateral, 0.5f, random);
    const uint32_t alongX = lateral - alongY;
    counters[0] = split(vertical, 0.5f, random);
    counters[1] = vertical - counters[0];
    counters[2] = split(alongY, 0.5f, random);
    counters[3] = alongY - counters[2];
    counters[4] = split(alongX, 0.5f, random);
    counters[5] = alongX - counters[4];
}

void RandomWalkDoping::cleanUp(const Util::SlabRange &slab, const Voxel *cells)
{
    const size_t layer = size_t(sizeY) * sizeZ;
    for (size_t i = slab.begin * layer, end = slab.end * layer; i < end; ++i)
        if (!dopableMaterials.contains(cells[i].materialId))
            counts[i] = ParticleCounts();
}

} // namespace Core::Operations
