#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"

#include "Core/Operations/DistanceCountingAutomaton/CompatibleMaterials.h"
#include "Core/Operations/RandomWalkDoping/NormalDeviate.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Process/ProcessFactory.h"

#include <QDebug>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
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
// The blocks of random numbers the six splits take when no draw is repeated: one 64-bit draw per
// normal deviate.
constexpr uint32_t kSplitBlocks = 3;

uint32_t truncatedCount(float value)
{
    if (!(value >= 1.0f))
        return 0;
    return value >= float(kLargestCount) ? kLargestCount : uint32_t(value);
}

// The smallest 32-bit draw r with r / (2³² - 1) >= threshold (for a threshold up to 1).
uint32_t drawLimit(double threshold)
{
    uint64_t low = 0, high = kLargestCount;
    while (low < high) {
        const uint64_t middle = low + (high - low) / 2;
        if (double(middle) / 4294967295.0 >= threshold)
            high = middle;
        else
            low = middle + 1;
    }
    return uint32_t(low);
}

// A split's first part when its normal deviate gave no value in [0, n]: further deviates until
// one does (a bounded number: float(n) rounding can give a degenerate mean; the nearest value
// then).
[[gnu::noinline]] uint32_t redrawSplit(uint32_t n, float mean, double deviation, CellRandomStream &random)
{
    const double limit = double(n) + 1.0;
    for (int attempt = 0; deviation > 0.0 && attempt < 1000; ++attempt) {
        const double rounded = double(mean) + deviation * NormalDeviate::draw(random) + 0.5;
        if (rounded >= 0.0 && rounded < limit)
            return uint32_t(rounded);
    }
    return uint32_t(std::clamp(std::floor(double(mean) + 0.5), 0.0, double(n)));
}

// Splits n particles in two, the first part binomially distributed with probability `share`,
// drawn from the normal approximation: `deviate` (standard normal) scaled to the mean n·share
// and the deviation sqrt((1 - share)·mean), rounded to the nearest integer (halves up), and drawn
// again until it lies in [0, n]. Returns the first part.
[[gnu::always_inline]] inline uint32_t split(uint32_t n, float share, double deviate,
                                             CellRandomStream &random)
{
    const float mean = float(n) * share;
    const double deviation = std::sqrt((1.0 - double(share)) * double(mean));
    const double rounded = double(mean) + deviation * deviate + 0.5;
    if (rounded >= 0.0 && rounded < double(n) + 1.0)
        return uint32_t(rounded); // floor, as rounded is not negative
    return redrawSplit(n, mean, deviation, random);
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
    for (int k = 1; k <= 6; ++k) {
        const double threshold = double(float(k) * hopProbability);
        limits32[size_t(k - 1)] = drawLimit(threshold);
        // A threshold above 1 (6p rounded up) is reached by no draw.
        unreachable[size_t(k - 1)] = threshold > 1.0;
    }

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
    // The run's own copy of the field: every count 0 here, the stored counts of the dopable
    // cells copied in by the preparation.
    counts.assign(size_t(volume.getCellCount()), ParticleCounts());
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
                if (!dopableMaterials.contains(cells[i].materialId))
                    continue;
                cells[i].fixed = 0;
                // A field this run created starts from 0; an existing one keeps its counts.
                if (!ownsCounts)
                    counts[i] = (*stored)[i];
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
    // The cells are taken in chunks: first the blocks of random numbers each cell will need are
    // computed together, then the cells draw from them. Cells on the split path are split in
    // groups (see splitParticles).
    constexpr size_t kChunk = 256;
    PhiloxBatch batch(kChunk * ((kParticleDrawLimit + 3) / 4));
    std::array<uint32_t, kChunk> positions{};
    std::array<size_t, kSplitLanes> group{};
    std::array<uint32_t, kSplitLanes> groupPositions{};
    size_t lanes = 0;
    const auto settle = [&](size_t i) {
        if (counts[i].counts[kStay] > thresholdCount)
            cells[i].materialId = dopantMaterial;
    };
    const auto splitGroup = [&] {
        splitParticles(group.data(), groupPositions.data(), lanes, batch, step);
        for (size_t lane = 0; lane < lanes; ++lane)
            settle(group[lane]);
        lanes = 0;
    };
    const size_t layer = size_t(sizeY) * sizeZ;
    for (size_t first = slab.begin * layer, end = slab.end * layer; first < end; first += kChunk) {
        const size_t last = std::min(first + kChunk, end);
        batch.clear();
        for (size_t i = first; i < last; ++i) {
            if (kinds[i] == Fixed)
                continue;
            const uint32_t particles = counts[i].counts[kStay];
            const uint32_t blocks = particles <= kParticleDrawLimit ? (particles + 3) / 4 : kSplitBlocks;
            positions[i - first] = batch.add(uint32_t(i), blocks);
        }
        batch.generate(step, seed);
        for (size_t i = first; i < last; ++i) {
            if (kinds[i] == Fixed)
                continue;
            const uint32_t particles = counts[i].counts[kStay];
            if (particles <= kParticleDrawLimit) {
                drawEachParticle(counts[i], particles, batch, positions[i - first]);
                settle(i);
                continue;
            }
            group[lanes] = i;
            groupPositions[lanes] = positions[i - first];
            if (++lanes == kSplitLanes)
                splitGroup();
        }
        // The group draws from this chunk's batch.
        if (lanes > 0)
            splitGroup();
    }
}

void RandomWalkDoping::drawEachParticle(ParticleCounts &cell, uint32_t particles, const PhiloxBatch &batch,
                                        uint32_t position) const
{
    // A particle's slot is the number of limits its draw reaches: count, for every limit, the
    // particles reaching it. The draws of a cell lie side by side in the batch; four at a time
    // are compared with each limit.
    typedef uint32_t Draws __attribute__((vector_size(16)));
    typedef int32_t Reached __attribute__((vector_size(16)));
    const uint32_t *draws = batch.words32(position);
    std::array<Reached, 6> reachedFours{};
    std::array<uint32_t, 6> reaching{};
    uint32_t n = 0;
    for (; n + 4 <= particles; n += 4) {
        Draws four;
        std::memcpy(&four, draws + n, sizeof four);
        for (size_t k = 0; k < 6; ++k)
            reachedFours[k] -= four >= limits32[k]; // a comparison gives -1 where true
    }
    for (; n < particles; ++n)
        for (size_t k = 0; k < 6; ++k)
            reaching[k] += draws[n] >= limits32[k] ? 1u : 0u;
    for (size_t k = 0; k < 6; ++k) {
        reaching[k] +=
            uint32_t(reachedFours[k][0] + reachedFours[k][1] + reachedFours[k][2] + reachedFours[k][3]);
        if (unreachable[k])
            reaching[k] = 0;
    }
    auto &counters = cell.counts;
    counters[0] = particles - reaching[0];
    for (size_t k = 1; k < 6; ++k)
        counters[k] = reaching[k - 1] - reaching[k];
    counters[kStay] = reaching[5];
}

// The six splits of a cell depend on one another; those of different cells do not. Taking a
// group of cells split by split lets the processor overlap their work. Every split takes one
// normal deviate, in the order stay, vertical, along y, up, +y, +x, from the cell's 64-bit draws
// 0 to 5; the rare deviates and splits that must draw again take their numbers from the cell's
// stream after those.
void RandomWalkDoping::splitParticles(const size_t *group, const uint32_t *positions, size_t lanes,
                                      const PhiloxBatch &batch, uint32_t step)
{
    std::array<CellRandomStream, kSplitLanes> more{
        {{seed, uint32_t(group[0]), step, kSplitBlocks},
         {seed, uint32_t(group[std::min<size_t>(1, lanes - 1)]), step, kSplitBlocks},
         {seed, uint32_t(group[std::min<size_t>(2, lanes - 1)]), step, kSplitBlocks},
         {seed, uint32_t(group[std::min<size_t>(3, lanes - 1)]), step, kSplitBlocks}}};
    std::array<std::array<double, 6>, kSplitLanes> deviates{};
    for (size_t i = 0; i < lanes; ++i)
        for (uint32_t n = 0; n < 6; ++n)
            deviates[i][n] = NormalDeviate::fromBits(batch.draw64(positions[i], n), more[i]);
    std::array<uint32_t, kSplitLanes> movers{}, vertical{}, lateral{}, alongY{}, alongX{};
    for (size_t i = 0; i < lanes; ++i) {
        auto &c = counts[group[i]].counts;
        const uint32_t particles = c[kStay];
        c[kStay] = split(particles, stayProbability, deviates[i][0], more[i]);
        movers[i] = particles - c[kStay];
    }
    for (size_t i = 0; i < lanes; ++i) {
        vertical[i] = split(movers[i], kThird, deviates[i][1], more[i]);
        lateral[i] = movers[i] - vertical[i];
    }
    for (size_t i = 0; i < lanes; ++i) {
        alongY[i] = split(lateral[i], 0.5f, deviates[i][2], more[i]);
        alongX[i] = lateral[i] - alongY[i];
    }
    const auto halves = [&](const std::array<uint32_t, kSplitLanes> &amount, size_t slot, size_t draw) {
        for (size_t i = 0; i < lanes; ++i) {
            auto &c = counts[group[i]].counts;
            c[slot] = split(amount[i], 0.5f, deviates[i][draw], more[i]);
            c[slot + 1] = amount[i] - c[slot];
        }
    };
    halves(vertical, 0, 3);
    halves(alongY, 2, 4);
    halves(alongX, 4, 5);
}

void RandomWalkDoping::cleanUp(const Util::SlabRange &slab, const Voxel *cells)
{
    const size_t layer = size_t(sizeY) * sizeZ;
    for (size_t i = slab.begin * layer, end = slab.end * layer; i < end; ++i)
        if (!dopableMaterials.contains(cells[i].materialId))
            counts[i] = ParticleCounts();
}

} // namespace Core::Operations
