// The silicon lattice and the two wet etchings, beside the floor pass.
//   latticeBuild: the lattice of the block volume (a 200 × 200 × 100 silicon block), with the
//                 atom count and the lattice's bytes per atom.
//   bca / cca:    20 steps (depth 5) through a 100 × 100 opening in a 3-cell oxide layer on
//                 the block, on 1 and 2 pool threads (the lattice is rebuilt, untimed, before
//                 every run).
#include "BenchVolumes.h"
#include "Core/Operations/SiWetEtching/AtomicStructureSimpleSiWetEtch.h"
#include "Core/Operations/SiWetEtching/ContinuosWetEtching.h"
#include "Model/Automaton/SiLattice.h"
#include "Model/Automaton/TotalVolume.h"

#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using BenchVolumes::kSize;
using BenchVolumes::kSurface;
using Model::Automaton::TotalVolume;

constexpr uint32_t kOxide = 3;
constexpr uint32_t kMaskThickness = 3;
constexpr uint32_t kOpening = 100;

// The block, or the block under an oxide layer with a square opening in its middle.
std::vector<uint32_t> materialIds(bool masked)
{
    std::vector<uint32_t> ids = BenchVolumes::materialIds(false);
    if (!masked)
        return ids;
    const uint32_t lo = (kSize - kOpening) / 2, hi = lo + kOpening;
    for (uint32_t x = 0; x < kSize; ++x)
        for (uint32_t y = 0; y < kSize; ++y) {
            const bool open = x >= lo && x < hi && y >= lo && y < hi;
            for (uint32_t z = kSurface; z < kSurface + kMaskThickness && !open; ++z)
                ids[(size_t(x) * kSize + y) * kSize + z] = kOxide;
        }
    return ids;
}

TotalVolume &volume(bool masked)
{
    static std::unique_ptr<TotalVolume> volumes[2];
    if (!volumes[masked])
        volumes[masked] = std::make_unique<TotalVolume>(kSize, kSize, kSize, 1.0f, 1.0f, 1.0f,
                                                        Util::Vector3D(), materialIds(masked));
    return *volumes[masked];
}

void floorPass(benchmark::State &state)
{
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(volume(false));
}

void latticeBuild(benchmark::State &state)
{
    QThreadPool::globalInstance()->setMaxThreadCount(int(state.range(0)));
    TotalVolume &block = volume(false);
    Model::Automaton::SiLatticeBuild build;
    for (auto _ : state)
        build = block.createSiLattice();
    const auto &lattice = *build.lattice;
    state.counters["atoms"] = double(lattice.getAtomCount());
    state.counters["bytesPerAtom"] = double(lattice.memoryBytes()) / double(lattice.getAtomCount());
}

template <class Engine> void etch(benchmark::State &state)
{
    TotalVolume &masked = volume(true);
    const std::vector<uint32_t> original = materialIds(true);
    QThreadPool::globalInstance()->setMaxThreadCount(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        masked.setMaterialIds(original);
        masked.createSiLattice();
        state.ResumeTiming();
        Engine engine(masked, 5.0);
        engine.run();
        state.counters["removed"] = double(engine.getRemovedAtoms());
    }
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(latticeBuild)->Arg(1)->Arg(2)->ArgName("threads")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_TEMPLATE(etch, Core::Operations::AtomicStructureSimpleSiWetEtch)
    ->Name("bca20steps")
    ->Arg(1)
    ->Arg(2)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_TEMPLATE(etch, Core::Operations::ContinuosWetEtching)
    ->Name("cca20steps")
    ->Arg(1)
    ->Arg(2)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

BENCHMARK_MAIN();
