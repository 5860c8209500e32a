#include "Model/Automaton/MarchingCubeSurface.h"
#include "Model/Automaton/MarchingCubeTables.h"
#include "Model/Automaton/TotalVolume.h"

#include "Support/ExportFiles.h"
#include "Support/SurfaceTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

using namespace Model::Automaton;
using namespace SurfaceTest;
using namespace TestSupport;

namespace {

using Vec = std::array<float, 3>;

std::vector<Triangle> generate(TotalVolume &volume, const CutBox &box)
{
    CellsLocker cells(volume);
    return MarchingCubeSurface::generate(cells.get(), CellGrid::of(volume), box);
}

std::vector<Triangle> generate(TotalVolume &volume)
{
    return generate(volume, wholeBox(volume));
}

// Closed (each directed edge once, its reverse once), facing outwards, no degenerate triangle.
void expectClosedOutwardSurface(const std::vector<Triangle> &triangles)
{
    ASSERT_FALSE(triangles.empty());
    std::vector<ExportFiles::StlTriangle> mesh;
    for (const Triangle &t : triangles) {
        mesh.push_back({{}, {t.vertices[0].position, t.vertices[1].position, t.vertices[2].position}});
        EXPECT_EQ(std::set<Vec>(mesh.back().corners.begin(), mesh.back().corners.end()).size(), 3u);
    }
    const ExportFiles::MeshFacts facts = ExportFiles::meshFacts(mesh);
    EXPECT_TRUE(facts.everyEdgeTwiceOppositely);
    EXPECT_GT(facts.signedVolume, 0.0);
}

Vec minus(const Vec &a, const Vec &b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

void expectNear(const Vec &a, const Vec &b)
{
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(a[size_t(k)], b[size_t(k)], 1e-6f);
}

MaterialAt singleCell(uint32_t x0, uint32_t y0, uint32_t z0, uint32_t material = 1)
{
    return [=](uint32_t x, uint32_t y, uint32_t z) { return x == x0 && y == y0 && z == z0 ? material : 0u; };
}

class MarchingCubes : public SurfaceMaterialsTest {};

} // namespace

// The edge table is the edges whose two corners differ; each triangle row uses exactly those
// edges, in whole triangles, and ends with -1.
TEST(MarchingCubeTables, RowsUseExactlyTheEdgesWhoseCornersDiffer)
{
    using namespace MarchingCubeTables;
    for (unsigned index = 0; index < 256; ++index) {
        unsigned expected = 0;
        for (unsigned e = 0; e < 12; ++e)
            expected |= unsigned(((index >> kEdgeCorners[e][0]) & 1) != ((index >> kEdgeCorners[e][1]) & 1))
                        << e;
        EXPECT_EQ(kEdgeTable[index], expected) << "cube " << index;
        const auto &row = kTriangleTable[index];
        int length = 0;
        unsigned used = 0;
        for (; length < 16 && row[size_t(length)] != -1; ++length) {
            ASSERT_LT(row[size_t(length)], 12);
            used |= 1u << row[size_t(length)];
        }
        ASSERT_LT(length, 16) << "row " << index << " is not terminated";
        EXPECT_EQ(length % 3, 0);
        EXPECT_EQ(used, expected) << "cube " << index;
    }
}

// One solid cell inside the box: one corner triangle in each of the eight cubes around it,
// through the edge midpoints half a cell from the solid point. Around that point the three lower
// midpoints round up to the solid point itself and share one mean normal; each upper midpoint
// rounds to its own grid point.
TEST_F(MarchingCubes, SingleSolidCellIsWrappedAndNormalsAreAveragedPerRoundedGridPoint)
{
    auto volume = makeVolume(4, 4, 4, singleCell(1, 1, 1));
    const float r = 1.0f / std::sqrt(3.0f);
    const auto unit = generate(*volume);
    ASSERT_EQ(unit.size(), 8u);
    expectClosedOutwardSurface(unit);
    for (const Triangle &t : unit)
        for (const TriangleVertex &v : t.vertices) {
            EXPECT_EQ(v.materialId, 1u);
            const Vec offset = minus(v.position, {1.0f, 1.0f, 1.0f});
            EXPECT_FLOAT_EQ(std::abs(offset[0]) + std::abs(offset[1]) + std::abs(offset[2]), 0.5f);
            if (offset[0] + offset[1] + offset[2] < 0.0f)
                expectNear(v.normal, {-r, -r, -r});
            else
                expectNear(v.normal, {offset[0] * 2.0f, offset[1] * 2.0f, offset[2] * 2.0f});
        }
    // The rounding works in cells, whatever the cell size.
    const auto scaled = generate(*makeVolume(4, 4, 4, singleCell(1, 1, 1), 0.3f, 0.3f, 0.3f));
    ASSERT_EQ(scaled.size(), unit.size());
    for (size_t i = 0; i < unit.size(); ++i)
        for (size_t k = 0; k < 3; ++k)
            expectNear(scaled[i].vertices[k].normal, unit[i].vertices[k].normal);
}

TEST_F(MarchingCubes, RandomSolidsGiveClosedOutwardSurfacesWithSharedUnitNormals)
{
    for (unsigned seed = 1; seed <= 3; ++seed) {
        auto volume = makeRandomVolume(9, 8, 7, {kOpaqueA, kOpaqueB, kTranslucentA}, 0.5, seed);
        cutRandomCells(*volume, 0.1, seed + 100);
        const auto triangles = generate(*volume, {{1, 0, 2}, {7, 8, 6}});
        expectClosedOutwardSurface(triangles);
        std::map<std::array<long, 3>, Vec> normalAt;
        for (const Triangle &t : triangles)
            for (const TriangleVertex &v : t.vertices) {
                EXPECT_NEAR(std::hypot(v.normal[0], v.normal[1], v.normal[2]), 1.0f, 1e-5f);
                const std::array<long, 3> key = {std::lround(std::floor(v.position[0] + 0.5f)),
                                                 std::lround(std::floor(v.position[1] + 0.5f)),
                                                 std::lround(std::floor(v.position[2] + 0.5f))};
                EXPECT_EQ(normalAt.emplace(key, v.normal).first->second, v.normal);
            }
    }
}

TEST_F(MarchingCubes, LowerLimitsCountAsEmptyUpperLimitsAsFilled)
{
    // On the lower limit of the box (here the volume's own lower side) a cell yields nothing.
    EXPECT_TRUE(generate(*makeVolume(4, 4, 4, singleCell(0, 1, 1))).empty());
    auto inside = makeVolume(6, 4, 4, singleCell(2, 1, 1));
    EXPECT_TRUE(generate(*inside, {{2, 0, 0}, {6, 4, 4}}).empty());
    EXPECT_EQ(generate(*inside, {{1, 0, 0}, {6, 4, 4}}).size(), 8u);
    // A corner counts up to and including the upper limit.
    EXPECT_EQ(generate(*inside, {{0, 0, 0}, {2, 4, 4}}).size(), 8u);
    EXPECT_TRUE(generate(*inside, {{0, 0, 0}, {1, 4, 4}}).empty());
    // The far side of the volume closes the surface too.
    const auto closing = generate(*makeVolume(4, 4, 4, singleCell(3, 1, 1)));
    EXPECT_EQ(closing.size(), 8u);
    expectClosedOutwardSurface(closing);

    // The surface object cuts limits beyond the volume back to it, and clears.
    MarchingCubeSurface surface(*inside);
    surface.build({{0, 0, 0}, {9, 9, 9}});
    EXPECT_EQ(surface.triangles().size(), 8u);
    EXPECT_TRUE(surface.colors().contains(1));
    surface.clear();
    EXPECT_TRUE(surface.triangles().empty());
}

TEST_F(MarchingCubes, CutAwayCellsAreEmptyAndVerticesTakeTheSolidSideMaterial)
{
    auto volume = makeVolume(7, 7, 7, [](uint32_t x, uint32_t y, uint32_t z) {
        return x == 1 && y == 1 && z == 1 ? 1u : (x == 4 && y == 4 && z == 4 ? 3u : 0u);
    });
    const auto triangles = generate(*volume);
    ASSERT_EQ(triangles.size(), 16u);
    for (const Triangle &t : triangles)
        for (const TriangleVertex &v : t.vertices)
            EXPECT_EQ(v.materialId, v.position[0] < 2.5f ? 1u : 3u);
    CellsLocker(*volume).get()[volume->cellIndex(4, 4, 4)].cutCount = 1;
    EXPECT_EQ(generate(*volume).size(), 8u);
}
