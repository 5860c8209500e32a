// Random-walk doping: steps on a 200 × 200 × 100 silicon block whose cells all hold the same
// particle count, beside the floor pass over the same cells. The block has no empty cell, so
// the counts stay near their start: about 1000 per cell keeps every cell on the split path
// (six normal-approximation draws), 30 on the per-particle path.
// Arguments: particles per cell, steps per run, pool threads. The counter ns_per_cell_step is
// the real time of a run divided by cells × steps (a run also copies the field in and out).
#include "BenchVolumes.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Process/ProcessFactory.h"

#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using Model::Automaton::TotalVolume;

constexpr uint32_t kSizeX = 200, kSizeY = 200, kSizeZ = 100;

TotalVolume &block()
{
    static const auto volume = [] {
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
        return std::make_unique<TotalVolume>(kSizeX, kSizeY, kSizeZ, 1.0f, 1.0f, 1.0f, Util::Vector3D(),
                                             std::vector<uint32_t>(size_t(kSizeX) * kSizeY * kSizeZ, 1u));
    }();
    return *volume;
}

void fill(uint32_t particles)
{
    auto field = std::make_shared<Model::Automaton::ParticleCountField>(size_t(block().getCellCount()));
    for (auto &cell : *field)
        cell.counts[6] = particles;
    block().setParticleCounts(QStringLiteral("Random Walk Particle Count Type N"), field);
}

void floorPass(benchmark::State &state)
{
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(block());
}

void walk(benchmark::State &state)
{
    const auto particles = uint32_t(state.range(0));
    const auto steps = uint32_t(state.range(1));
    QThreadPool::globalInstance()->setMaxThreadCount(int(state.range(2)));
    Core::Operations::RandomWalkParameters p;
    p.dopantMaterial = 14;
    p.cellSize = 1e-7f;
    p.timeStep = 1.0f;
    p.diffusionCoefficient = 0.5f * p.cellSize * p.cellSize / 6.0f; // 6p = 0.5
    p.thresholdConcentration = 1e30f;
    for (auto _ : state) {
        state.PauseTiming();
        fill(particles);
        state.ResumeTiming();
        Core::Operations::RandomWalkDoping(block(), p, 42).dope(float(steps));
    }
    state.counters["ns_per_cell_step"] =
        benchmark::Counter(double(block().getCellCount()) * steps * 1e-9,
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void arguments(benchmark::internal::Benchmark *b)
{
    for (int particles : {1000, 30})
        for (int steps : {1, 8})
            for (int threads : {1, 2})
                b->Args({particles, steps, threads});
    b->ArgNames({"particles", "steps", "threads"})
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(walk)->Apply(arguments);

BENCHMARK_MAIN();
