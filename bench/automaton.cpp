// Isotropic deposition and etching on the block and trench volumes, beside the floor pass.
// Arguments: volume (0 block, 1 trench), L (film thickness or etch depth), pool threads.
#include "BenchVolumes.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Model/Automaton/TotalVolume.h"

#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

using Model::Automaton::TotalVolume;

using BenchVolumes::kSize;

// One volume per shape, reset to its original cells before every timed run.
struct Fixture {
    std::vector<uint32_t> original;
    std::unique_ptr<TotalVolume> volume;
};

Fixture &fixture(bool trench)
{
    static std::map<bool, Fixture> fixtures;
    Fixture &f = fixtures[trench];
    if (!f.volume) {
        f.original = BenchVolumes::materialIds(trench);
        f.volume = std::make_unique<TotalVolume>(kSize, kSize, kSize, 1.0f, 1.0f, 1.0f, Util::Vector3D(),
                                                 f.original);
    }
    return f;
}

void floorPass(benchmark::State &state)
{
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(*fixture(false).volume);
}

template <class Engine, uint32_t Material> void process(benchmark::State &state)
{
    Fixture &f = fixture(state.range(0) == 1);
    const float limit = float(state.range(1));
    QThreadPool::globalInstance()->setMaxThreadCount(int(state.range(2)));
    for (auto _ : state) {
        state.PauseTiming();
        f.volume->setMaterialIds(f.original);
        state.ResumeTiming();
        Engine engine(*f.volume, Material, limit);
        engine.execute();
    }
}

void arguments(benchmark::internal::Benchmark *b)
{
    for (int shape : {0, 1})
        for (int limit : {10, 40})
            for (int threads : {1, 2})
                b->Args({shape, limit, threads});
    b->ArgNames({"trench", "L", "threads"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_TEMPLATE(process, Core::Operations::IsotropicFilmDeposition, 4)
    ->Name("deposition")
    ->Apply(arguments);
BENCHMARK_TEMPLATE(process, Core::Operations::IsotropicFilmEtching, 1)->Name("etching")->Apply(arguments);

BENCHMARK_MAIN();
