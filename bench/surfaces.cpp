// Surface generation on the block and trench volumes: the four algorithms with one and two
// threads, and the floor pass.
#include "BenchVolumes.h"
#include "Model/Automaton/FieldPainter.h"
#include "Model/Automaton/MarchingCubeSurface.h"
#include "Model/Automaton/OctreeSurface.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Materials/MaterialFactory.h"
#include "QtBenchmarkMain.h"

#include <QThreadPool>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Model::Automaton;

namespace {

using BenchVolumes::kSize;
const QString kNField = QStringLiteral("Random Walk Particle Count Type N");

std::unique_ptr<TotalVolume> makeVolume(bool trench)
{
    const std::vector<uint32_t> ids = BenchVolumes::materialIds(trench);
    auto volume = std::make_unique<TotalVolume>(kSize, kSize, kSize, 1.0f, 1.0f, 1.0f, Util::Vector3D(), ids);
    // Particle counts for the particle-count view: a few per solid cell, varying with depth.
    auto field = std::make_shared<ParticleCountField>(ids.size());
    for (size_t c = 0; c < ids.size(); ++c)
        (*field)[c].counts[0] = ids[c] ? uint32_t(c % kSize) / 20 : 0;
    volume->setParticleCounts(kNField, field);
    return volume;
}

TotalVolume &volume(bool trench)
{
    static std::unique_ptr<TotalVolume> volumes[2];
    if (!volumes[trench]) {
        Model::Materials::MaterialFactory::instance()->createDefaultMaterials();
        volumes[trench] = makeVolume(trench);
    }
    return *volumes[trench];
}

CutBox wholeBox()
{
    return {{0, 0, 0}, {kSize, kSize, kSize}};
}

void setThreads(benchmark::State &state)
{
    QThreadPool::globalInstance()->setMaxThreadCount(int(state.range(1)));
}

void reportFaces(benchmark::State &state, size_t count, size_t bytes)
{
    state.counters["faces"] = double(count);
    state.counters["MiB"] = double(bytes) / (1024.0 * 1024.0);
}

size_t faceBytes(const std::vector<Model::Geometry::QuadFace> &faces)
{
    return faces.capacity() * sizeof(Model::Geometry::QuadFace);
}

// The floor: one read of every cell's material.
void Floor(benchmark::State &state)
{
    TotalVolume &v = volume(state.range(0));
    for (auto _ : state)
        BenchVolumes::readEveryMaterial(v);
}

// What the painter's update does for the direct cubic view (colour map, faces, BSP tree).
void DirectCubic(benchmark::State &state)
{
    setThreads(state);
    TotalVolume &v = volume(state.range(0));
    TotalVolumePainter &painter = v.getPainter();
    painter.setSurfaceAlgorithm(TotalVolumePainter::DirectCubic);
    for (auto _ : state)
        painter.update();
    reportFaces(state, painter.getOpaqueFaces().size() + painter.getTransparentFaces().size(),
                faceBytes(painter.getOpaqueFaces()) + faceBytes(painter.getTransparentFaces()));
}

void MarchingCubes(benchmark::State &state)
{
    setThreads(state);
    TotalVolume &v = volume(state.range(0));
    MarchingCubeSurface surface(v);
    for (auto _ : state)
        surface.build(wholeBox());
    state.counters["triangles"] = double(surface.triangles().size());
    state.counters["MiB"] = double(surface.triangles().capacity() * sizeof(Triangle)) / (1024.0 * 1024.0);
}

void Octree(benchmark::State &state)
{
    setThreads(state);
    TotalVolume &v = volume(state.range(0));
    OctreeSurface octree(v);
    for (auto _ : state)
        octree.build(wholeBox());
    reportFaces(state, octree.opaqueFaces().size() + octree.transparentFaces().size(),
                faceBytes(octree.opaqueFaces()) + faceBytes(octree.transparentFaces()));
    state.counters["nodes"] = double(octree.nodeCount());
}

void ParticleCountField(benchmark::State &state)
{
    setThreads(state);
    TotalVolume &v = volume(state.range(0));
    const MaterialColorMap colors = MaterialColorMap::fromCatalogue();
    const SharedParticleCountField n = v.getParticleCounts(kNField);
    FieldPainter painter;
    for (auto _ : state) {
        CellsLocker cells(v);
        painter.build(cells.get(), CellGrid::of(v), wholeBox(), n, nullptr, colors);
    }
    reportFaces(state, painter.opaqueFaces().size() + painter.transparentFaces().size(),
                faceBytes(painter.opaqueFaces()) + faceBytes(painter.transparentFaces()));
}

// range(0): 0 block, 1 trench; range(1): threads.
void volumesAndThreads(benchmark::internal::Benchmark *b)
{
    b->ArgNames({"trench", "threads"})->Unit(benchmark::kMillisecond)->UseRealTime();
    for (int trench : {0, 1})
        for (int threads : {1, 2})
            b->Args({trench, threads});
}

BENCHMARK(Floor)->ArgName("trench")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DirectCubic)->Apply(volumesAndThreads);
BENCHMARK(MarchingCubes)->Apply(volumesAndThreads);
BENCHMARK(Octree)->Apply(volumesAndThreads);
BENCHMARK(ParticleCountField)->Apply(volumesAndThreads);

} // namespace

CELLFAB_QT_BENCHMARK_MAIN()
