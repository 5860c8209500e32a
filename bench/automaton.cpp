// The distance-counting engines and the layer-by-layer engines on the block and trench volumes,
// beside the floor pass. Arguments: volume (0 block, 1 trench), L (film thickness or etch depth
// in cells; the layer count of the Moore engines), pool threads.
#include "BenchVolumes.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDeposition.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtching.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDeposition.h"
#include "Core/Operations/Electrodeposition/Electrodeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDeposition.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtching.h"
#include "Model/Automaton/TotalVolume.h"

#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

using namespace Core::Operations;
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

// Times `run(volume, L)`; the substrate is material 1, deposits are material 4.
template <class Run> void process(benchmark::State &state, Run run)
{
    Fixture &f = fixture(state.range(0) == 1);
    const float limit = float(state.range(1));
    QThreadPool::globalInstance()->setMaxThreadCount(int(state.range(2)));
    for (auto _ : state) {
        state.PauseTiming();
        f.volume->setMaterialIds(f.original);
        state.ResumeTiming();
        run(*f.volume, limit);
    }
}

void arguments(benchmark::internal::Benchmark *b, std::initializer_list<int> limits)
{
    for (int shape : {0, 1})
        for (int limit : limits)
            for (int threads : {1, 2})
                b->Args({shape, limit, threads});
    b->ArgNames({"trench", "L", "threads"})->Unit(benchmark::kMillisecond)->UseRealTime();
}

void isotropicArguments(benchmark::internal::Benchmark *b)
{
    arguments(b, {10, 40});
}

void tenLayers(benchmark::internal::Benchmark *b)
{
    arguments(b, {10});
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(process, deposition,
                  [](TotalVolume &v, float l) { IsotropicFilmDeposition(v, 4, l).execute(); })
    ->Name("deposition")
    ->Apply(isotropicArguments);
BENCHMARK_CAPTURE(process, etching, [](TotalVolume &v, float l) { IsotropicFilmEtching(v, 1, l).execute(); })
    ->Name("etching")
    ->Apply(isotropicArguments);
BENCHMARK_CAPTURE(process, anisotropicDeposition, [](TotalVolume &v, float l) {
    AnisotropicFilmDeposition(v, 4, l, 0.5f).execute();
})->Apply(tenLayers);
BENCHMARK_CAPTURE(process, anisotropicEtching, [](TotalVolume &v, float l) {
    AnisotropicFilmEtching(v, 1, l, 0.5f).execute();
})->Apply(tenLayers);
BENCHMARK_CAPTURE(process, vapourDepositionTop, [](TotalVolume &v, float l) {
    SimplePhysicalVaporDeposition(v, 4, l, 0.5f, DepositSide::Top).execute();
})->Apply(tenLayers);
// The substrate is the conductor.
BENCHMARK_CAPTURE(process, electroplating, [](TotalVolume &v, float l) {
    Electrodeposition(v, 4, 1, l).execute();
})->Apply(tenLayers);
BENCHMARK_CAPTURE(process, mooreDeposition, [](TotalVolume &v, float l) {
    MooreNeighborhoodDeposition(v, 4, uint32_t(l)).execute();
})->Apply(tenLayers);
BENCHMARK_CAPTURE(process, mooreEtching, [](TotalVolume &v, float l) {
    MooreNeighborhoodEtching(v, 1, uint32_t(l)).execute();
})->Apply(tenLayers);

BENCHMARK_MAIN();
