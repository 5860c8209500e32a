// Simple doping, ion implantation and thermal oxidation on the 200³ block (silicon below
// z = 100) at a depth of 10 cells, beside the floor pass over the same cells.
// Argument: pool threads.
#include "BenchVolumes.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/DopingOperation/SimpleDoping.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Process/ProcessFactory.h"

#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

using Model::Automaton::TotalVolume;

constexpr float kDepth = 10.0f;

struct Block {
    std::vector<uint32_t> original = BenchVolumes::materialIds(false);
    TotalVolume volume{BenchVolumes::kSize,
                       BenchVolumes::kSize,
                       BenchVolumes::kSize,
                       1.0f,
                       1.0f,
                       1.0f,
                       Util::Vector3D(),
                       original};
};

Block &block()
{
    static Block b = [] {
        Model::Process::ProcessFactory::instance()->createDefaultProcesses();
        return Block();
    }();
    return b;
}

void floorPass(benchmark::State &state)
{
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(block().volume);
}

void process(benchmark::State &state, const std::function<void(TotalVolume &)> &run)
{
    QThreadPool::globalInstance()->setMaxThreadCount(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        block().volume.setMaterialIds(block().original);
        state.ResumeTiming();
        run(block().volume);
    }
}

void doping(benchmark::State &state)
{
    process(state, [](TotalVolume &v) { Core::Operations::SimpleDoping(v, 14, kDepth).execute(); });
}

void implantation(benchmark::State &state)
{
    // The band 10 cells down, 2 × 2.5 cells thick, annealed by 10 up to the surface and down.
    process(state, [](TotalVolume &v) {
        Core::Operations::IonImplantation(v, 15, {kDepth, 2.0f, kDepth}).execute();
    });
}

void implantationDefaults(benchmark::State &state)
{
    // The dialog's spread (20) and annealing (10) at a depth of 10: the band reaches the surface.
    process(state, [](TotalVolume &v) {
        Core::Operations::IonImplantation(v, 15, {kDepth, 20.0f, 10.0f}).execute();
    });
}

void oxidation(benchmark::State &state)
{
    // 10 cell units of oxide: 5.6 grown, 4.4 consumed.
    process(state, [](TotalVolume &v) { Core::Operations::SimpleSiOxidation(v, 1.0).execute(kDepth); });
}

void arguments(benchmark::internal::Benchmark *b)
{
    b->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(doping)->Apply(arguments);
BENCHMARK(implantation)->Apply(arguments);
BENCHMARK(implantationDefaults)->Apply(arguments);
BENCHMARK(oxidation)->Apply(arguments);

BENCHMARK_MAIN();
