// Photolithography through a mask, simple RIE of 10 layers, planarization, pouring and a masked
// cut on the 200³ volumes, beside the floor pass. Argument: pool threads.
#include "BenchVolumes.h"
#include "Core/Operations/Cuts/CutCellVolume.h"
#include "Core/Operations/Photolithography/Photolithography.h"
#include "Core/Operations/Planarization/Planarization.h"
#include "Core/Operations/Planarization/SpinCoating.h"
#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtching.h"
#include "Model/Automaton/TotalVolume.h"

#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

using namespace Core::Operations;
using BenchVolumes::kSize;
using Model::Automaton::ImageMask;
using Model::Automaton::TotalVolume;

constexpr uint32_t kSilicon = 1;
constexpr uint32_t kResist = 11;

// The trench volume with 10 layers of resist poured over it, reset before every timed run.
struct Fixture {
    std::vector<uint32_t> original;
    std::unique_ptr<TotalVolume> volume;
    Fixture()
    {
        volume = std::make_unique<TotalVolume>(kSize, kSize, kSize, 1.0f, 1.0f, 1.0f, Util::Vector3D(),
                                               BenchVolumes::materialIds(true));
        SpinCoating(*volume, kResist, BenchVolumes::kSurface + 10).run();
        original = volume->materialIds();
    }
};

Fixture &fixture()
{
    static Fixture f;
    return f;
}

// 10-cell stripes along y, every other one opaque.
ImageMask stripes()
{
    QBitArray bits(int(kSize * kSize));
    for (uint32_t x = 0; x < kSize; ++x)
        for (uint32_t y = 0; y < kSize; ++y)
            bits.setBit(int(x * kSize + y), (x / 10) % 2 == 0);
    return ImageMask(bits, kSize, kSize);
}

void floorPass(benchmark::State &state)
{
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(*fixture().volume);
}

void timed(benchmark::State &state, const std::function<void(TotalVolume &)> &process)
{
    Fixture &f = fixture();
    QThreadPool::globalInstance()->setMaxThreadCount(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        f.volume->setMaterialIds(f.original);
        state.ResumeTiming();
        process(*f.volume);
    }
}

void photolithography(benchmark::State &state)
{
    const ImageMask mask = stripes();
    timed(state, [&](TotalVolume &v) { Photolithography(v, kResist, ImageMask(), mask).run(); });
}

void reactiveIonEtching(benchmark::State &state)
{
    timed(state, [](TotalVolume &v) {
        SimpleReactiveIonEtching(v, kSilicon, 10, SimpleReactiveIonEtching::kFromTop).run();
    });
}

void planarization(benchmark::State &state)
{
    timed(state, [](TotalVolume &v) { Planarization(v, 150, 20).run(); });
}

void pouring(benchmark::State &state)
{
    timed(state, [](TotalVolume &v) { SpinCoating(v, kResist, 150).run(); });
}

void maskedCut(benchmark::State &state)
{
    const ImageMask mask = stripes();
    timed(state, [&](TotalVolume &v) { CutCellVolume(v, mask).run(CutCellVolume::Mode::Cut); });
}

void threads(benchmark::internal::Benchmark *b)
{
    b->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(photolithography)->Apply(threads);
BENCHMARK(reactiveIonEtching)->Apply(threads);
BENCHMARK(planarization)->Apply(threads);
BENCHMARK(pouring)->Apply(threads);
BENCHMARK(maskedCut)->Apply(threads);

BENCHMARK_MAIN();
