#include "Support/BatchTestSupport.h"
#include "Support/ExportFiles.h"
#include "Support/PersistenceTestSupport.h"
#include "Support/SurfaceTestSupport.h"

#include "Core/Operations/CreateSubstrate/SubstrateDescription.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Export/DrawnSurface.h"
#include "Model/Export/GeometryExport.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>
#include <set>

using namespace ExportFiles;
using Model::Automaton::TotalVolume;
using Model::Automaton::TotalVolumePainter;
using Model::Export::MeshFormat;

namespace {

class GeometryExport : public SurfaceTest::SurfaceMaterialsTest {
protected:
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }

    // The volume drawn with `algorithm`, as the view would.
    static void draw(TotalVolume &volume, uint32_t algorithm)
    {
        volume.getPainter().setSurfaceAlgorithm(algorithm);
        volume.refreshDrawingData();
    }

    // Writes the drawn surface in both formats; returns the STL's triangles.
    std::vector<StlTriangle> exportedStl(TotalVolume &volume)
    {
        QString error;
        for (auto [name, format] : {std::pair{"mesh.stl", MeshFormat::Stl}, {"mesh.vtp", MeshFormat::Vtp}})
            EXPECT_TRUE(Model::Export::exportSurfaceMesh(volume, path(name), format, &error))
                << error.toStdString();
        poly = readVtkXml(path("mesh.vtp"));
        return readStl(path("mesh.stl"));
    }

    QTemporaryDir folder;
    VtkXml poly; // the PolyData file of the last export
};

// An 18 × 16 × 14 volume of 0.5 × 1 × 2 cells away from the origin: a block on its floor, the other
// sides inside, or a ball of radius 2 z cells (4 units: 8 cells along x, 4 along y) inside it.
Core::Operations::SubstrateDescription substrate(bool ball)
{
    Core::Operations::SubstrateDescription d = BatchTest::slabSubstrate(18, 16, 14, 6);
    d.cellSizeX = 0.5f;
    d.cellSizeZ = 2.0f;
    d.position = Util::Vector3D(10.0, -5.0, 3.25);
    d.blockX = 3, d.blockY = 2, d.blockWidth = 11, d.blockLength = 9;
    d.spherical = ball;
    d.centerX = 9, d.centerY = 8, d.centerZ = 7, d.radius = 2;
    return d;
}

double solidVolume(TotalVolume &volume)
{
    const auto ids = volume.materialIds();
    const double cells = double(ids.size() - size_t(std::count(ids.begin(), ids.end(), 0u)));
    return cells * volume.getCellSizeX() * volume.getCellSizeY() * volume.getCellSizeZ();
}

// Block and ball substrates, drawn as cubes and as marching cubes: the STL is closed, every
// triangle faces outwards, and it encloses the solid: exactly for cell faces, and within one
// cell layer (area × the thickest cell side) for marching cubes, whose surface runs through
// the cells' edge midpoints.
TEST_F(GeometryExport, ClosedSolidsGiveWatertightOutwardFacingMeshes)
{
    for (bool ball : {false, true}) {
        for (uint32_t algorithm : {TotalVolumePainter::DirectCubic, TotalVolumePainter::MarchingCubes}) {
            SCOPED_TRACE(std::string(ball ? "ball" : "block") + " algorithm " + std::to_string(algorithm));
            const auto volume = Core::Operations::buildSubstrate(substrate(ball));
            draw(*volume, algorithm);
            const std::vector<StlTriangle> triangles = exportedStl(*volume);
            ASSERT_GT(triangles.size(), 100u);
            const MeshFacts facts = meshFacts(triangles);
            EXPECT_TRUE(facts.everyEdgeTwiceOppositely);
            EXPECT_TRUE(facts.normalsFollowCornerOrder);
            // The PolyData file holds the same triangles over welded points: each point once.
            const std::vector<StlTriangle> polygons = polyTriangles(poly);
            ASSERT_EQ(polygons.size(), triangles.size());
            for (size_t t = 0; t < triangles.size(); ++t)
                ASSERT_EQ(polygons[t].corners, triangles[t].corners) << t;
            const auto points = poly.values<float>("Points");
            std::set<std::vector<float>> distinct;
            for (size_t p = 0; p < points.size(); p += 3)
                distinct.insert({points[p], points[p + 1], points[p + 2]});
            EXPECT_EQ(distinct.size() * 3, points.size());
            const double expected = solidVolume(*volume);
            const double tolerance =
                algorithm == TotalVolumePainter::DirectCubic ? 1e-6 * expected : facts.area * 2.0;
            EXPECT_NEAR(facts.signedVolume, expected, tolerance);
            const auto [low, high] = bounds(triangles); // in the volume's units
            EXPECT_TRUE(low[0] >= 10.0f && low[1] >= -5.0f && low[2] >= 3.25f);
            EXPECT_TRUE(high[0] <= 19.0f && high[1] <= 11.0f && high[2] <= 31.25f);
        }
    }
}

// The view leaves out what lies outside the cut box, masked-cut cells and materials of an
// invisible colour; so does the export, and what remains is still a closed solid.
TEST_F(GeometryExport, CutBoxCutCellsAndInvisibleMaterialsAreLeftOutAsInTheView)
{
    using SurfaceTest::kInvisible;
    auto volume = TestSupport::makeVolume(10, 8, 9, [](uint32_t, uint32_t, uint32_t z) {
        return z < 4 ? SurfaceTest::kOpaqueA : z < 7 ? kInvisible : 0u;
    });
    {
        Model::Automaton::CellsLocker cells(*volume);
        for (uint32_t z = 2; z < 9; ++z)
            cells.get()[volume->cellIndex(5, 4, z)].cutCount = 1; // a shaft down to z = 2
    }
    volume->getPainter().setCutLimits(2, 0, 0, 8, 8, 9);
    draw(*volume, TotalVolumePainter::DirectCubic);
    const std::vector<StlTriangle> triangles = exportedStl(*volume);
    const TotalVolumePainter &painter = volume->getPainter();
    EXPECT_EQ(triangles.size(), 2 * (painter.getOpaqueFaces().size() + painter.getTransparentFaces().size()));
    const MeshFacts facts = meshFacts(triangles);
    EXPECT_TRUE(facts.everyEdgeTwiceOppositely);
    EXPECT_NEAR(facts.signedVolume, 6.0 * 8 * 4 - 2, 1e-9); // the box's silicon less the shaft
    EXPECT_EQ(poly.values<uint32_t>("material"),
              std::vector<uint32_t>(triangles.size(), SurfaceTest::kOpaqueA));
    const auto [low, high] = bounds(triangles); // the box's silicon: nothing of the invisible layer
    EXPECT_EQ(low, (Vertex{2.0f, 0.0f, 0.0f}));
    EXPECT_EQ(high, (Vertex{8.0f, 8.0f, 4.0f}));
}

// Every cell comes back from the ImageData file in x-fastest order, with the volume's extent,
// origin and spacing; each particle-count field becomes an array of per-cell totals. The tall
// volume is written in several blocks of layers.
TEST_F(GeometryExport, ImageDataRoundTripGivesBackEveryMaterialAndCount)
{
    const QString field = QStringLiteral("Random Walk Particle Count Type N");
    for (const std::array<uint32_t, 3> &size : {std::array<uint32_t, 3>{3, 4, 5}, {5, 3, 70}}) {
        const auto ids =
            TestSupport::makeRandomVolume(size[0], size[1], size[2], {1, 3, 2003, 4000000000u}, 0.3, size[2])
                ->materialIds();
        auto placed = TestSupport::volumeOf(size[0], size[1], size[2], ids, Util::Vector3D(1.5, -2.0, 0.3),
                                            0.5f, 0.25f, 0.1f);
        auto counts = std::make_shared<Model::Automaton::ParticleCountField>(ids.size());
        for (size_t i = 0; i < counts->size(); ++i)
            (*counts)[i].counts = {uint32_t(i), 1, 0, 0, 0, 0, i % 7 == 0 ? 0xffffffffu : 2u};
        placed->setParticleCounts(field, counts);
        placed->setProperty(QStringLiteral("Not a field"), 12);
        QString error;
        ASSERT_TRUE(Model::Export::exportVolume(*placed, path("cells.vti"), &error)) << error.toStdString();

        const VtkXml file = readVtkXml(path("cells.vti"));
        const QString extent = QStringLiteral("0 %1 0 %2 0 %3").arg(size[0]).arg(size[1]).arg(size[2]);
        EXPECT_EQ(file.elements.value("ImageData").value("WholeExtent"), extent);
        EXPECT_EQ(file.elements.value("ImageData").value("Origin"), "1.5 -2 0.3");
        EXPECT_EQ(file.elements.value("ImageData").value("Spacing"), "0.5 0.25 0.1");
        EXPECT_EQ(file.types.keys(), QStringList({field, "material"}));
        const auto materials = file.values<uint32_t>("material");
        const auto totals = file.values<uint32_t>(field);
        ASSERT_EQ(materials.size(), ids.size());
        ASSERT_EQ(totals.size(), ids.size());
        for (uint32_t x = 0; x < size[0]; ++x)
            for (uint32_t y = 0; y < size[1]; ++y)
                for (uint32_t z = 0; z < size[2]; ++z) {
                    const size_t image = x + size_t(size[0]) * (y + size_t(size[1]) * z);
                    const size_t cell = placed->cellIndex(x, y, z);
                    ASSERT_EQ(materials[image], ids[cell]) << x << ' ' << y << ' ' << z;
                    ASSERT_EQ(totals[image], cell % 7 == 0 ? 0xffffffffu : uint32_t(cell) + 3);
                }
    }
}

// A failed write leaves neither a partial file nor a temporary one, and an older file of that
// name as it was: for a missing folder and for a write that runs out of room half-way.
TEST_F(GeometryExport, FailedWritesLeaveNoHalfWrittenFile)
{
    const auto volume = Core::Operations::buildSubstrate(substrate(true));
    volume->refreshDrawingData();
    const auto write = [&](const QString &path, QString *error) {
        const auto format = Model::Export::meshFormatOf(path);
        return format ? Model::Export::exportSurfaceMesh(*volume, path, *format, error)
                      : Model::Export::exportVolume(*volume, path, error);
    };
    const QByteArray old = "an older file";
    for (const char *name : {"mesh.stl", "mesh.vtp", "cells.vti"}) {
        SCOPED_TRACE(name);
        QString error;
        const QString missing = folder.filePath(QStringLiteral("missing/") + name);
        EXPECT_FALSE(write(missing, &error));
        EXPECT_TRUE(error.startsWith(missing + ": ")) << error.toStdString();

        const QString target = PersistenceTest::writeFile(path(name), old);
        // Files may grow to 4 KiB only: every write beyond fails (EFBIG) instead of raising SIGXFSZ.
        const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit small = previous;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const bool written = write(target, &error);
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousSignal);
        EXPECT_FALSE(written);
        EXPECT_TRUE(error.startsWith(target)) << error.toStdString();
        EXPECT_EQ(PersistenceTest::readFile(target), old);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QLatin1String(name)});
        QFile::remove(target);
    }
}

} // namespace
