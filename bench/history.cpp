// Cell-history records of a 200 × 200 × 200 volume: writing one record (what every process step
// does twice) and restoring it (what Undo and Redo do), against a plain pass over the cells.
#include "BenchVolumes.h"
#include "Core/Workspace/HistoryFile.h"
#include "Model/Automaton/TotalVolume.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using Model::Automaton::TotalVolume;

std::shared_ptr<TotalVolume> blockVolume()
{
    const uint32_t n = BenchVolumes::kSize;
    return std::make_shared<TotalVolume>(n, n, n, 1.0f, 1.0f, 1.0f, Util::Vector3D(),
                                         BenchVolumes::materialIds(false));
}

void floorPass(benchmark::State &state)
{
    auto volume = blockVolume();
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(*volume);
}

void writeRecord(benchmark::State &state)
{
    QTemporaryDir directory;
    auto volume = blockVolume();
    Core::HistoryFile history(directory.filePath("undo.temp"));
    uint32_t instance = 0;
    for (auto _ : state)
        history.write("IsotropicDeposition", instance++, *volume);
}

void restoreRecord(benchmark::State &state)
{
    QTemporaryDir directory;
    auto volume = blockVolume();
    Core::HistoryFile history(directory.filePath("undo.temp"));
    history.write("Other", 0, *volume);
    history.write("IsotropicDeposition", 7, *volume);
    for (auto _ : state)
        history.restore("IsotropicDeposition", 7, *volume);
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond);
BENCHMARK(writeRecord)->Unit(benchmark::kMillisecond);
BENCHMARK(restoreRecord)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
