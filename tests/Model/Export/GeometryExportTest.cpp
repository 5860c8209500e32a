#include "Support/ExportFiles.h"
#include "Support/SurfaceTestSupport.h"

#include "Core/Operations/CreateSubstrate/SubstrateDescription.h"
#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Export/DrawnSurface.h"
#include "Model/Export/GeometryExport.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <csignal>
#include <functional>
#include <set>

using namespace ExportFiles;
using Model::Automaton::TotalVolume;
using Model::Automaton::TotalVolumePainter;
using Model::Export::MeshFormat;

namespace {

class GeometryExport : public SurfaceTest::SurfaceMaterialsTest {
protected:
    QString path(const char *name) const { return folder.filePath(QLatin1String(name)); }

    // The volume drawn with `algorithm` over `box` (null: the whole volume), as the view would.
    static void draw(TotalVolume &volume, uint32_t algorithm, const Model::Automaton::CutBox *box = nullptr)
    {
        TotalVolumePainter &painter = volume.getPainter();
        painter.setSurfaceAlgorithm(algorithm);
        if (box)
            painter.setCutLimits(box->lower[0], box->lower[1], box->lower[2], box->upper[0], box->upper[1],
                                 box->upper[2]);
        volume.refreshDrawingData();
    }

    std::vector<StlTriangle> exportedStl(TotalVolume &volume)
    {
        QString error;
        EXPECT_TRUE(Model::Export::exportSurfaceMesh(volume, path("mesh.stl"), MeshFormat::Stl, &error))
            << error.toStdString();
        return readStl(path("mesh.stl"));
    }

    QTemporaryDir folder;
};

Core::Operations::SubstrateDescription substrate(bool ball)
{
    Core::Operations::SubstrateDescription d;
    d.totalWidth = 18;
    d.totalLength = 16;
    d.totalHeight = 14;
    d.cellSizeX = 0.5f;
    d.cellSizeY = 1.0f;
    d.cellSizeZ = 2.0f;
    d.position = Util::Vector3D(10.0, -5.0, 3.25);
    d.spherical = ball;
    if (ball) {
        d.centerX = 9;
        d.centerY = 8;
        d.centerZ = 7;
        d.radius = 2; // in z cells: 4 units, so 8 cells along x and 4 along y, within the volume
    } else {
        // A block lying on the volume's floor, as substrates do, the other sides inside.
        d.blockX = 3, d.blockY = 2, d.blockZ = 0;
        d.blockWidth = 11, d.blockLength = 9, d.blockHeight = 6;
    }
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
            const double expected = solidVolume(*volume);
            const double tolerance =
                algorithm == TotalVolumePainter::DirectCubic ? 1e-6 * expected : facts.area * 2.0;
            EXPECT_NEAR(facts.signedVolume, expected, tolerance);
            for (const StlTriangle &t : triangles)
                for (const Vertex &v : t.corners) {
                    ASSERT_GE(v[0], 10.0f);
                    ASSERT_LE(v[0], 10.0f + 18 * 0.5f);
                    ASSERT_GE(v[2], 3.25f);
                }
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
    const Model::Automaton::CutBox box{{2, 0, 0}, {8, 8, 9}};
    draw(*volume, TotalVolumePainter::DirectCubic, &box);
    const std::vector<StlTriangle> triangles = exportedStl(*volume);
    const TotalVolumePainter &painter = volume->getPainter();
    EXPECT_EQ(triangles.size(), 2 * (painter.getOpaqueFaces().size() + painter.getTransparentFaces().size()));
    const MeshFacts facts = meshFacts(triangles);
    EXPECT_TRUE(facts.everyEdgeTwiceOppositely);
    EXPECT_NEAR(facts.signedVolume, 6.0 * 8 * 4 - 2, 1e-9); // the box's silicon less the shaft
    for (const StlTriangle &t : triangles)
        for (const Vertex &v : t.corners) {
            ASSERT_GE(v[0], 2.0f);
            ASSERT_LE(v[0], 8.0f);
            ASSERT_LE(v[2], 4.0f) << "nothing of the invisible layer";
        }
}

// The PolyData file holds the welded mesh: shared points at position + index × cell size,
// three of them per triangle, and every triangle's material.
TEST_F(GeometryExport, PolyDataHoldsTheWeldedTrianglesAndTheirMaterials)
{
    auto volume = TestSupport::makeVolume(6, 5, 4, [](uint32_t x, uint32_t, uint32_t z) {
        return z < 2 ? SurfaceTest::kOpaqueA : x < 3 && z < 3 ? SurfaceTest::kTranslucentA : 0u;
    });
    volume->translate(Util::Vector3D(1.0, 2.0, 3.0));
    draw(*volume, TotalVolumePainter::DirectCubic);
    QString error;
    ASSERT_TRUE(Model::Export::exportSurfaceMesh(*volume, path("mesh.vtp"), MeshFormat::Vtp, &error))
        << error.toStdString();
    const Model::Export::SurfaceMesh mesh = Model::Export::drawnSurfaceMesh(*volume);
    const VtkXml file = readVtkXml(path("mesh.vtp"));
    const auto piece = file.elements.value("Piece");
    EXPECT_EQ(piece.value("NumberOfPoints").toULongLong(), mesh.pointCount());
    EXPECT_EQ(piece.value("NumberOfPolys").toULongLong(), mesh.triangleCount());
    EXPECT_EQ(file.values<float>("Points"), mesh.points);
    EXPECT_EQ(file.values<uint32_t>("material"), mesh.materials);
    const auto connectivity = file.values<int64_t>("connectivity");
    const auto offsets = file.values<int64_t>("offsets");
    ASSERT_EQ(connectivity.size(), mesh.triangles.size());
    ASSERT_EQ(offsets.size(), mesh.triangleCount());
    for (size_t i = 0; i < connectivity.size(); ++i)
        ASSERT_EQ(connectivity[i], int64_t(mesh.triangles[i]));
    EXPECT_EQ(offsets.back(), int64_t(connectivity.size()));
    // The block's corners and the translucent block's top: welded points on the unit lattice.
    std::set<std::array<float, 3>> points;
    for (size_t p = 0; p < mesh.pointCount(); ++p) {
        const std::array<float, 3> point{mesh.points[p * 3], mesh.points[p * 3 + 1], mesh.points[p * 3 + 2]};
        EXPECT_TRUE(points.insert(point).second) << "point " << p << " appears twice";
        for (float c : point)
            EXPECT_EQ(c, std::round(c));
    }
    EXPECT_TRUE(points.count({1.0f, 2.0f, 3.0f}) && points.count({7.0f, 7.0f, 5.0f})
                && points.count({4.0f, 7.0f, 6.0f}));
    const std::set<uint32_t> materials(mesh.materials.begin(), mesh.materials.end());
    EXPECT_EQ(materials, (std::set<uint32_t>{SurfaceTest::kOpaqueA, SurfaceTest::kTranslucentA}));
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
    const std::vector<std::pair<const char *, std::function<bool(const QString &, QString *)>>> writers = {
        {"mesh.stl",
         [&](const QString &p, QString *e) {
             return Model::Export::exportSurfaceMesh(*volume, p, MeshFormat::Stl, e);
         }},
        {"mesh.vtp",
         [&](const QString &p, QString *e) {
             return Model::Export::exportSurfaceMesh(*volume, p, MeshFormat::Vtp, e);
         }},
        {"cells.vti",
         [&](const QString &p, QString *e) { return Model::Export::exportVolume(*volume, p, e); }},
    };
    const QByteArray old = "an older file";
    for (const auto &[name, write] : writers) {
        SCOPED_TRACE(name);
        QString error;
        const QString missing = folder.filePath(QStringLiteral("missing/") + name);
        EXPECT_FALSE(write(missing, &error));
        EXPECT_TRUE(error.startsWith(missing + ": ")) << error.toStdString();

        const QString target = path(name);
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(old) == old.size());
        file.close();
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
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), old);
        file.close();
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{QLatin1String(name)});
        QFile::remove(target);
    }
}

} // namespace
