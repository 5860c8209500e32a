#include "Model/Automaton/CubicFaceBuilder.h"

#include "Support/SurfaceTestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace Model::Automaton;
using Model::Geometry::QuadFace;
using namespace SurfaceTest;
using namespace TestSupport;

namespace {

std::vector<FaceKey> keys(const std::vector<QuadFace> &faces)
{
    std::vector<FaceKey> result;
    for (const QuadFace &face : faces)
        result.push_back(keyOf(face));
    return result;
}

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

TEST_F(DirectCubicFaces, OpaqueBlockGivesExactlyItsOuterFaces)
{
    for (uint32_t n : {1u, 2u, 3u, 5u}) {
        auto volume = makeVolume(n + 2, n + 2, n + 2, block(1, n + 1, kOpaqueA));
        const CubicFaceLists lists = buildCubicFaces(*volume);
        EXPECT_TRUE(lists.transparent.empty());
        ASSERT_EQ(lists.opaque.size(), size_t(6 * n * n)) << "block " << n;
        std::set<FaceKey> distinct;
        for (const FaceKey &key : keys(lists.opaque)) {
            distinct.insert(key);
            const int outside[3] = {key.x + kStep[key.direction][0], key.y + kStep[key.direction][1],
                                    key.z + kStep[key.direction][2]};
            const bool neighbourInBlock = outside[0] >= 1 && outside[0] <= int(n) && outside[1] >= 1
                                          && outside[1] <= int(n) && outside[2] >= 1 && outside[2] <= int(n);
            EXPECT_FALSE(neighbourInBlock);
        }
        EXPECT_EQ(distinct.size(), lists.opaque.size());
    }
    // A block filling the whole volume shows the six sides of the volume.
    auto full = makeVolume(4, 4, 4, block(0, 4, kOpaqueB));
    EXPECT_EQ(buildCubicFaces(*full).opaque.size(), 96u);
}

TEST_F(DirectCubicFaces, SidesOfTheCutBoxAlwaysShow)
{
    auto volume = makeVolume(6, 6, 6, block(0, 6, kOpaqueA));
    const CubicFaceLists lists = buildCubicFaces(*volume, {{1, 2, 0}, {4, 5, 2}}); // 3 × 3 × 2 cells
    EXPECT_EQ(lists.opaque.size(), size_t(2 * (3 * 3 + 3 * 2 + 3 * 2)));
    for (const FaceKey &key : keys(lists.opaque)) {
        EXPECT_GE(key.x, 1);
        EXPECT_LT(key.x, 4);
        EXPECT_LT(key.z, 2);
    }
}

TEST_F(DirectCubicFaces, TranslucentNeighboursKeepExactlyTheSharedFacesTheRulesGive)
{
    const auto region = [](uint32_t x0, uint32_t x1, uint32_t material) {
        return [=](uint32_t x, uint32_t y, uint32_t z) {
            return x >= x0 && x < x1 && y >= 1 && y < 3 && z >= 1 && z < 3 ? material : 0u;
        };
    };
    // Two 2 × 2 × 2 regions of different translucent materials: both keep their shared faces.
    auto twoMaterials = makeVolume(6, 4, 4, [&](uint32_t x, uint32_t y, uint32_t z) {
        return region(1, 3, kTranslucentA)(x, y, z) | region(3, 5, kTranslucentB)(x, y, z);
    });
    CubicFaceLists lists = buildCubicFaces(*twoMaterials);
    EXPECT_TRUE(lists.opaque.empty());
    EXPECT_EQ(lists.transparent.size(), 48u);
    int sharedA = 0, sharedB = 0;
    for (const QuadFace &face : lists.transparent) {
        const FaceKey key = keyOf(face);
        sharedA += key.x == 2 && key.direction == 5 && face.materialId == kTranslucentA;
        sharedB += key.x == 3 && key.direction == 4 && face.materialId == kTranslucentB;
    }
    EXPECT_EQ(sharedA, 4);
    EXPECT_EQ(sharedB, 4);

    // One 4 × 2 × 2 region of one material keeps no inner faces.
    auto oneMaterial = makeVolume(6, 4, 4, region(1, 5, kTranslucentA));
    EXPECT_EQ(buildCubicFaces(*oneMaterial).transparent.size(), 40u);

    // Against an opaque region: the translucent side hides, the opaque side shows.
    auto mixed = makeVolume(6, 4, 4, [&](uint32_t x, uint32_t y, uint32_t z) {
        return region(1, 3, kTranslucentA)(x, y, z) | region(3, 5, kOpaqueA)(x, y, z);
    });
    lists = buildCubicFaces(*mixed);
    EXPECT_EQ(lists.transparent.size(), 20u);
    EXPECT_EQ(lists.opaque.size(), 24u);
}

TEST_F(DirectCubicFaces, CutAwayCellsNeitherDrawNorHide)
{
    // With opaque materials, cutting cells away is the same as emptying them.
    auto cut = makeRandomVolume(7, 6, 5, {kOpaqueA, kOpaqueB}, 0.2, 11);
    cutRandomCells(*cut, 0.3, 12);
    std::vector<uint32_t> emptied = cut->materialIds();
    {
        CellsLocker cells(*cut);
        for (size_t i = 0; i < emptied.size(); ++i)
            emptied[i] = cells.get()[i].cutCount ? 0 : emptied[i];
    }
    auto reference = makeVolume(
        7, 6, 5, [&](uint32_t x, uint32_t y, uint32_t z) { return emptied[cut->cellIndex(x, y, z)]; });
    const CubicFaceLists a = buildCubicFaces(*cut);
    const CubicFaceLists b = buildCubicFaces(*reference);
    EXPECT_TRUE(sameFaces(a.opaque, b.opaque));
    EXPECT_GT(a.opaque.size(), 0u);

    // A translucent cell still hides its side towards a cut-away cell of its own material.
    const auto row = [](uint32_t middle) {
        return [=](uint32_t x, uint32_t y, uint32_t z) {
            return y == 1 && z == 1 && x >= 1 && x <= 3 ? (x == 2 ? middle : kTranslucentA) : 0u;
        };
    };
    for (uint32_t middle : {kTranslucentA, kTranslucentB}) {
        auto volume = makeVolume(5, 3, 3, row(middle));
        {
            CellsLocker cells(*volume);
            cells.get()[volume->cellIndex(2, 1, 1)].cutCount = 1;
        }
        EXPECT_EQ(buildCubicFaces(*volume).transparent.size(), middle == kTranslucentA ? 10u : 12u);
    }
}

TEST_F(DirectCubicFaces, InvisibleMaterialGivesNoFacesButHidesNothing)
{
    auto withInvisible =
        makeRandomVolume(6, 7, 5, {kOpaqueA, kTranslucentA, kTranslucentB, kInvisible}, 0.1, 21);
    std::vector<uint32_t> ids = withInvisible->materialIds();
    for (uint32_t &id : ids)
        id = id == kInvisible ? 0 : id;
    auto emptied = makeVolume(
        6, 7, 5, [&](uint32_t x, uint32_t y, uint32_t z) { return ids[withInvisible->cellIndex(x, y, z)]; });
    const CubicFaceLists a = buildCubicFaces(*withInvisible);
    const CubicFaceLists b = buildCubicFaces(*emptied);
    EXPECT_TRUE(sameFaces(a.opaque, b.opaque));
    EXPECT_TRUE(sameFaces(a.transparent, b.transparent));
    for (const QuadFace &face : a.opaque)
        EXPECT_NE(face.materialId, kInvisible);
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

TEST_F(DirectCubicFaces, EmptyCellOutlinesCoverEveryEmptyCellOfTheBox)
{
    auto volume = makeVolume(5, 4, 3, block(1, 3, kOpaqueA));
    cutRandomCells(*volume, 0.5, 3); // cut counters do not matter here
    const CutBox box{{1, 0, 0}, {4, 4, 3}};
    std::vector<QuadFace> outlines;
    {
        CellsLocker cells(*volume);
        outlines = buildEmptyCellOutlines(cells.get(), CellGrid::of(*volume), box);
    }
    const size_t emptyCells = 3 * 4 * 3 - 2 * 2 * 2;
    ASSERT_EQ(outlines.size(), 6 * emptyCells);
    for (size_t i = 0; i < outlines.size(); ++i) {
        EXPECT_EQ(outlines[i].materialId, 0u);
        EXPECT_EQ(outlines[i].direction(), int(i % 6));
        EXPECT_EQ(outlines[i].faceColor, (Model::Materials::RgbaColor{0.8f, 0.8f, 0.8f, 1.0f}));
    }
}
