// Isotropic deposition and etching on 200 × 200 × 200 cells, beside the floor: one plain pass
// reading every cell's material once.
//   block:  material 1 below z = 100
//   trench: the block with a 4 × 4 grid of 20 × 20-cell holes, 40 cells deep, centred in each
//           50 × 50 tile
// Arguments: volume (0 block, 1 trench), L (film thickness or etch depth), pool threads.
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"
#include "Model/Automaton/TotalVolume.h"

#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

namespace {

using Model::Automaton::TotalVolume;

constexpr uint32_t kSize = 200;
constexpr uint32_t kSurface = 100;

bool insideHole(uint32_t x, uint32_t y, uint32_t z)
{
    const uint32_t tileX = x % 50, tileY = y % 50;
    return z >= kSurface - 40 && tileX >= 15 && tileX < 35 && tileY >= 15 && tileY < 35;
}

std::vector<uint32_t> materials(bool trench)
{
    std::vector<uint32_t> ids;
    ids.reserve(size_t(kSize) * kSize * kSize);
    for (uint32_t x = 0; x < kSize; ++x)
        for (uint32_t y = 0; y < kSize; ++y)
            for (uint32_t z = 0; z < kSize; ++z)
                ids.push_back(z < kSurface && !(trench && insideHole(x, y, z)) ? 1u : 0u);
    return ids;
}

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
        f.original = materials(trench);
        f.volume = std::make_unique<TotalVolume>(kSize, kSize, kSize, 1.0f, 1.0f, 1.0f, Util::Vector3D(),
                                                 f.original);
    }
    return f;
}

void floorPass(benchmark::State &state)
{
    TotalVolume &volume = *fixture(false).volume;
    for (auto _ : state) {
        Model::Automaton::CellsLocker locker(volume);
        const Model::Automaton::Voxel *cells = locker.get();
        uint64_t sum = 0;
        for (size_t i = 0, n = size_t(volume.getCellCount()); i < n; ++i)
            sum += cells[i].materialId;
        benchmark::DoNotOptimize(sum);
    }
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
