// Cell-history records of a 200 × 200 × 200 volume, against a plain pass over the cells:
//   writeStep/P:   the two writes of one process step that changes P % of the cells (scattered
//                  over the volume for 1 %), with the bytes they add to the undo and redo files,
//                  also as a share of one whole-volume text record (key, instance, every id);
//   restoreStep/P: restoring that step's undo or redo record (what Undo and Redo do).
#include "BenchVolumes.h"
#include "Core/Workspace/CellSnapshot.h"
#include "Core/Workspace/HistoryFile.h"
#include "Model/Automaton/TotalVolume.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <string>

namespace {

using Model::Automaton::TotalVolume;

std::shared_ptr<TotalVolume> blockVolume()
{
    const uint32_t n = BenchVolumes::kSize;
    return std::make_shared<TotalVolume>(n, n, n, 1.0f, 1.0f, 1.0f, Util::Vector3D(),
                                         BenchVolumes::materialIds(false));
}

// One step: swaps empty and material 1 in `percent` % of the cells, drawn at random.
void runStep(TotalVolume &volume, int64_t percent)
{
    std::mt19937 random{unsigned(percent)};
    std::uniform_int_distribution<int> hundred(0, 99);
    Model::Automaton::CellsLocker locker(volume);
    Model::Automaton::Voxel *cells = locker.get();
    for (size_t i = 0, n = size_t(volume.getCellCount()); i < n; ++i) {
        if (percent >= 100 || hundred(random) < percent)
            cells[i].materialId ^= 1;
    }
}

// The size of one whole-volume text record, what each of a step's two writes used to add.
double textRecordBytes(TotalVolume &volume)
{
    double bytes = std::string("Step 0\n").size();
    for (uint32_t id : volume.materialIds())
        bytes += 1 + std::to_string(id).size();
    return bytes;
}

// A pair of history files in a folder of their own.
struct StepFiles {
    StepFiles() { Core::HistoryFile::recordStepsIn(undo, redo); }
    double bytes() const { return QFileInfo(undo.getPath()).size() + QFileInfo(redo.getPath()).size(); }

    QTemporaryDir directory;
    Core::HistoryFile undo{directory.filePath("undo.temp")};
    Core::HistoryFile redo{directory.filePath("redo.temp")};
};

void recordStep(StepFiles &files, const std::string &key, uint32_t instance, TotalVolume &volume,
                int64_t percent)
{
    files.undo.write(key, instance, volume);
    runStep(volume, percent);
    files.redo.write(key, instance, volume);
}

void floorPass(benchmark::State &state)
{
    auto volume = blockVolume();
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(*volume);
}

void writeStep(benchmark::State &state)
{
    auto volume = blockVolume();
    StepFiles files;
    uint32_t instance = 0;
    for (auto _ : state) {
        files.undo.write("Step", instance, *volume);
        state.PauseTiming();
        runStep(*volume, state.range(0));
        state.ResumeTiming();
        files.redo.write("Step", instance++, *volume);
    }
    const double bytesPerStep = files.bytes() / double(state.iterations());
    state.counters["stepBytes"] = bytesPerStep;
    state.counters["shareOfTextRecord"] = bytesPerStep / textRecordBytes(*volume);
    state.counters["heldBytesPerCell"] =
        double(Core::CellSnapshot(*volume).getByteCount()) / double(volume->getCellCount());
}

void restoreStep(benchmark::State &state)
{
    auto volume = blockVolume();
    auto neighbour = std::make_shared<TotalVolume>(20, 20, 20, 1.0f, 1.0f, 1.0f, Util::Vector3D(),
                                                   std::vector<uint32_t>(8000, 1));
    StepFiles files;
    recordStep(files, "Neighbour", 0, *neighbour, 50);
    recordStep(files, "Step", 7, *volume, state.range(0));
    recordStep(files, "Neighbour", 1, *neighbour, 50);
    bool undo = true;
    for (auto _ : state) {
        (undo ? files.undo : files.redo).restore("Step", 7, *volume);
        undo = !undo;
    }
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond);
BENCHMARK(writeStep)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK(restoreStep)->Arg(1)->Arg(100)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
