// Saving and opening the document of a 200 × 200 × 200 block (material 1 below z = 100),
// beside the floor: one plain pass reading every cell's material once. Figures are bytes of the
// document file per second. `xmlParseOnly` times Qt's XML reader alone over the same file
// (tokens only, no cell ids), the lower bound of any reader built on it.
#include "BenchVolumes.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Materials/MaterialFactory.h"
#include "Model/Persistence/DocumentFile.h"
#include "QtBenchmarkMain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace {

using Model::Automaton::TotalVolume;
using Model::Persistence::DocumentFile;

using BenchVolumes::kSize;

struct Fixture {
    QTemporaryDir folder;
    std::shared_ptr<TotalVolume> volume;
    QString documentPath;
    int64_t documentBytes = 0;
};

Fixture &fixture()
{
    static Fixture f;
    if (!f.volume) {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
        f.volume = std::make_shared<TotalVolume>(kSize, kSize, kSize, 1.0f, 1.0f, 1.0f, Util::Vector3D(),
                                                 BenchVolumes::materialIds(false));
        f.documentPath = f.folder.filePath(QStringLiteral("block.cfb"));
        DocumentFile::save(f.documentPath, {f.volume}, DocumentFile::standardArchivers());
        f.documentBytes = QFileInfo(f.documentPath).size();
        // Kept for timing other readers on the same file.
        if (const char *copy = std::getenv("CELLFAB_BENCH_KEEP_DOCUMENT"))
            QFile::copy(f.documentPath, QString::fromLocal8Bit(copy));
    }
    return f;
}

void floorPass(benchmark::State &state)
{
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(*fixture().volume);
}

// What opening costs before any text is read: an empty volume of the same size.
void allocateVolume(benchmark::State &state)
{
    for (auto _ : state) {
        TotalVolume volume(kSize, kSize, kSize, 1.0f, 1.0f, 1.0f, Util::Vector3D(), {});
        benchmark::DoNotOptimize(volume.lockCells());
        volume.unlockCells();
    }
}

void saveDocument(benchmark::State &state)
{
    Fixture &f = fixture();
    const QString path = f.folder.filePath(QStringLiteral("saved.cfb"));
    for (auto _ : state) {
        if (DocumentFile::save(path, {f.volume}, DocumentFile::standardArchivers())
            != DocumentFile::Status::Done)
            state.SkipWithError("save failed");
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.documentBytes);
}

void openDocument(benchmark::State &state)
{
    Fixture &f = fixture();
    Model::Persistence::MaterialIdMap remap;
    DocumentFile::LoadOptions options;
    options.archivers = DocumentFile::standardArchivers();
    options.remap = &remap;
    for (auto _ : state) {
        const auto result = DocumentFile::load(f.documentPath, options);
        if (result.status != DocumentFile::Status::Done || result.objects.size() != 1)
            state.SkipWithError("open failed");
        benchmark::DoNotOptimize(result.objects.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.documentBytes);
}

void xmlParseOnly(benchmark::State &state)
{
    Fixture &f = fixture();
    for (auto _ : state) {
        QFile file(f.documentPath);
        file.open(QIODevice::ReadOnly);
        QXmlStreamReader reader(&file);
        int64_t characters = 0;
        while (!reader.atEnd()) {
            if (reader.readNext() == QXmlStreamReader::Characters)
                characters += reader.text().size();
        }
        benchmark::DoNotOptimize(characters);
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * f.documentBytes);
}

} // namespace

BENCHMARK(floorPass)->Unit(benchmark::kMillisecond)->UseRealTime();
// Opening's CPU time counts every thread; compare it with `xmllint --noout --huge` on the document
// kept by CELLFAB_BENCH_KEEP_DOCUMENT.
BENCHMARK(allocateVolume)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(saveDocument)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(openDocument)->Unit(benchmark::kMillisecond)->UseRealTime()->MeasureProcessCPUTime();
BENCHMARK(xmlParseOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

CELLFAB_QT_BENCHMARK_MAIN()
