// The geometry exports on the 200 × 200 × 200 trench volume, beside what they are measured
// against in the same run: the floor pass (one read of every cell's material), the document
// save (the .vti export's yardstick) and the direct cubic surface generation (the surface
// exports' yardstick). The surface exports write the surface last generated, as the menu
// actions do.
#include "BenchVolumes.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Export/DrawnSurface.h"
#include "Model/Export/GeometryExport.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Persistence/DocumentFile.h"
#include "QtBenchmarkMain.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using Model::Automaton::TotalVolume;
using Model::Export::MeshFormat;
using Model::Persistence::DocumentFile;

struct Fixture {
    QTemporaryDir folder;
    std::shared_ptr<TotalVolume> volume;
};

Fixture &fixture()
{
    static Fixture f;
    if (!f.volume) {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
        f.volume =
            std::make_shared<TotalVolume>(BenchVolumes::kSize, BenchVolumes::kSize, BenchVolumes::kSize, 1.0f,
                                          1.0f, 1.0f, Util::Vector3D(), BenchVolumes::materialIds(true));
        f.volume->refreshDrawingData();
    }
    return f;
}

void reportFile(benchmark::State &state, const QString &path)
{
    state.counters["MiB"] = double(QFileInfo(path).size()) / (1024.0 * 1024.0);
}

void floorPass(benchmark::State &state)
{
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(*fixture().volume);
}

void saveDocument(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString path = f.folder.filePath(QStringLiteral("trench.cfb"));
    for (auto _ : state) {
        if (DocumentFile::save(path, {f.volume}, DocumentFile::standardArchivers())
            != DocumentFile::Status::Done)
            state.SkipWithError("save failed");
    }
    reportFile(state, path);
}

void exportVolume(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString path = f.folder.filePath(QStringLiteral("trench.vti"));
    for (auto _ : state) {
        if (!Model::Export::exportVolume(*f.volume, path, nullptr))
            state.SkipWithError("export failed");
    }
    reportFile(state, path);
}

// The painter's update in the direct cubic view (colour map, faces, BSP tree) on range(0)
// threads; the exports themselves run on one.
void generateDirectCubic(benchmark::State &state)
{
    Fixture &f = fixture();
    const int threads = QThreadPool::globalInstance()->maxThreadCount();
    QThreadPool::globalInstance()->setMaxThreadCount(int(state.range(0)));
    for (auto _ : state)
        f.volume->refreshDrawingData();
    QThreadPool::globalInstance()->setMaxThreadCount(threads);
    state.counters["faces"] = double(f.volume->getPainter().getOpaqueFaces().size());
}

// The welded mesh alone (as PolyData needs it), before any file is written.
void buildSurfaceMesh(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            Model::Export::drawnSurfaceMesh(*f.volume, Model::Export::SurfaceMeshBuilder::Points::Welded)
                .points.data());
}

void exportSurface(benchmark::State &state, MeshFormat format, const char *name)
{
    Fixture &f = fixture();
    const QString path = f.folder.filePath(QLatin1String(name));
    size_t triangles = 0;
    for (auto _ : state) {
        if (!Model::Export::exportSurfaceMesh(*f.volume, path, format, nullptr, &triangles))
            state.SkipWithError("export failed");
    }
    state.counters["triangles"] = double(triangles);
    reportFile(state, path);
}

void exportStl(benchmark::State &state)
{
    exportSurface(state, MeshFormat::Stl, "trench.stl");
}

void exportVtp(benchmark::State &state)
{
    exportSurface(state, MeshFormat::Vtp, "trench.vtp");
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(saveDocument)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(exportVolume)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(generateDirectCubic)
    ->ArgName("threads")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(buildSurfaceMesh)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(exportStl)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(exportVtp)->Unit(benchmark::kMillisecond)->UseRealTime();

CELLFAB_QT_BENCHMARK_MAIN()
