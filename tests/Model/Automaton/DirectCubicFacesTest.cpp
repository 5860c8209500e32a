#include "Model/Automaton/CubicFaceBuilder.h"

#include "Support/SurfaceTestSupport.h"

#include <gtest/gtest.h>

using namespace Model::Automaton;
using Model::Geometry::QuadFace;
using namespace SurfaceTest;
using namespace TestSupport;

namespace {

// The visibility rules, cell by cell with plain coordinates: the reference the builder must match.
CubicFaceLists referenceFaces(TotalVolume &volume, const CutBox &box)
{
    const MaterialColorMap colors = MaterialColorMap::fromCatalogue();
    CubicFaceLists lists;
    CellsLocker cells(volume);
    const auto at = [&](int x, int y, int z) -> const Voxel & {
        return cells.get()[volume.cellIndex(x, y, z)];
    };
    for (int x = int(box.lower[0]); x < int(box.upper[0]); ++x)
        for (int y = int(box.lower[1]); y < int(box.upper[1]); ++y)
            for (int z = int(box.lower[2]); z < int(box.upper[2]); ++z) {
                const Voxel &cell = at(x, y, z);
                const uint32_t m = cell.materialId;
                if (m == 0 || cell.cutCount > 0 || colors.alphaClass(m) == AlphaClass::Invisible)
                    continue;
                const bool opaque = colors.alphaClass(m) == AlphaClass::Opaque;
                for (int d = 0; d < 6; ++d) {
                    const int nx = x + kStep[d][0], ny = y + kStep[d][1], nz = z + kStep[d][2];
                    bool visible = true;
                    if (insideBox(box, nx, ny, nz)) {
                        const Voxel &n = at(nx, ny, nz);
                        const bool solidNeighbour = n.materialId != 0 && n.cutCount == 0
                                                    && colors.alphaClass(n.materialId) == AlphaClass::Opaque;
                        visible = opaque ? !solidNeighbour : !(solidNeighbour || n.materialId == m);
                    }
                    if (visible)
                        (opaque ? lists.opaque : lists.transparent)
                            .emplace_back(d, x, y, z, 1, Model::Geometry::Point3{1.0f, 1.0f, 1.0f},
                                          colors.color(m), m);
                }
            }
    return lists;
}

class DirectCubicFaces : public SurfaceMaterialsTest {};

} // namespace

// Face counts worked out by hand: the reference below must agree with them.
TEST_F(DirectCubicFaces, FaceCountsOfSimpleShapes)
{
    for (uint32_t n : {1u, 2u, 3u, 5u}) {
        const CubicFaceLists lists =
            buildCubicFaces(*makeVolume(n + 2, n + 2, n + 2, block(1, n + 1, kOpaqueA)));
        EXPECT_TRUE(lists.transparent.empty());
        EXPECT_EQ(lists.opaque.size(), size_t(6 * n * n)) << "block " << n;
    }
    auto full = makeVolume(6, 6, 6, block(0, 6, kOpaqueB));
    EXPECT_EQ(buildCubicFaces(*full).opaque.size(), 6u * 36) << "the volume's own sides";
    EXPECT_EQ(buildCubicFaces(*full, {{1, 2, 0}, {4, 5, 2}}).opaque.size(), size_t(2 * (9 + 6 + 6)))
        << "the sides of a 3 × 3 × 2 cut box";

    // 2 × 2 × 2 regions side by side: two translucent materials keep their shared faces, one
    // translucent material shows none inside, translucent against opaque hides only its own side.
    const auto regions = [](uint32_t first, uint32_t second) {
        return makeVolume(6, 4, 4, [=](uint32_t x, uint32_t y, uint32_t z) {
            return y >= 1 && y < 3 && z >= 1 && z < 3 && x >= 1 && x < 5 ? (x < 3 ? first : second) : 0u;
        });
    };
    EXPECT_EQ(buildCubicFaces(*regions(kTranslucentA, kTranslucentB)).transparent.size(), 48u);
    EXPECT_EQ(buildCubicFaces(*regions(kTranslucentA, kTranslucentA)).transparent.size(), 40u);
    const CubicFaceLists mixed = buildCubicFaces(*regions(kTranslucentA, kOpaqueA));
    EXPECT_EQ(mixed.transparent.size(), 20u);
    EXPECT_EQ(mixed.opaque.size(), 24u);

    // A translucent cell still hides its side towards a cut-away cell of its own material.
    for (uint32_t middle : {kTranslucentA, kTranslucentB}) {
        auto row = makeVolume(5, 3, 3, [=](uint32_t x, uint32_t y, uint32_t z) {
            return y == 1 && z == 1 && x >= 1 && x <= 3 ? (x == 2 ? middle : kTranslucentA) : 0u;
        });
        CellsLocker(*row).get()[row->cellIndex(2, 1, 1)].cutCount = 1;
        EXPECT_EQ(buildCubicFaces(*row).transparent.size(), middle == kTranslucentA ? 10u : 12u);
    }
}

TEST_F(DirectCubicFaces, MatchesTheCellByCellRulesInOrder)
{
    const std::vector<uint32_t> palette = {kOpaqueA, kOpaqueB, kTranslucentA, kTranslucentB, kInvisible};
    const CutBox boxes[] = {{{0, 0, 0}, {9, 8, 7}}, {{2, 1, 3}, {7, 8, 6}}, {{4, 0, 0}, {5, 8, 7}}};
    unsigned seed = 31;
    for (const CutBox &box : boxes) {
        auto volume = makeRandomVolume(9, 8, 7, palette, 0.3, seed++);
        cutRandomCells(*volume, 0.15, seed++);
        const CubicFaceLists built = buildCubicFaces(*volume, box);
        const CubicFaceLists reference = referenceFaces(*volume, box);
        EXPECT_TRUE(sameFaces(built.opaque, reference.opaque));
        EXPECT_TRUE(sameFaces(built.transparent, reference.transparent));
        EXPECT_GT(built.opaque.size() + built.transparent.size(), 0u);
    }
}

// The outlines are built in slabs of x: any thread count gives the same list.
TEST_F(DirectCubicFaces, EmptyCellOutlinesCoverEveryEmptyCellOfTheBox)
{
    auto volume = makeVolume(5, 4, 3, block(1, 3, kOpaqueA));
    cutRandomCells(*volume, 0.5, 3); // cut counters do not matter here
    const auto build = [&volume](int threads) {
        PoolThreads pool(threads);
        CellsLocker cells(*volume);
        return buildEmptyCellOutlines(cells.get(), CellGrid::of(*volume), {{1, 0, 0}, {4, 4, 3}});
    };
    const std::vector<QuadFace> outlines = build(1);
    for (int threads : {2, 3, 12})
        EXPECT_TRUE(sameFaces(build(threads), outlines)) << threads << " threads";
    const size_t emptyCells = 3 * 4 * 3 - 2 * 2 * 2;
    ASSERT_EQ(outlines.size(), 6 * emptyCells);
    for (size_t i = 0; i < outlines.size(); ++i) {
        EXPECT_EQ(outlines[i].materialId, 0u);
        EXPECT_EQ(outlines[i].direction(), int(i % 6));
        EXPECT_EQ(outlines[i].faceColor, (Model::Materials::RgbaColor{0.8f, 0.8f, 0.8f, 1.0f}));
    }
}
