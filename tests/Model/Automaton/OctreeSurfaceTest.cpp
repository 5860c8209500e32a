#include "Model/Automaton/OctreeSurface.h"
#include "Model/Automaton/CubicFaceBuilder.h"

#include "Support/SurfaceTestSupport.h"

#include <gtest/gtest.h>

#include <set>

using namespace Model::Automaton;
using Model::Geometry::QuadFace;
using namespace SurfaceTest;
using namespace TestSupport;

namespace {

OctreeSurface buildOctree(TotalVolume &volume, const CutBox &box)
{
    OctreeSurface octree(volume);
    octree.build(box);
    return octree;
}

double area(const std::vector<QuadFace> &faces)
{
    double total = 0.0;
    for (const QuadFace &face : faces) {
        double extent[3];
        for (int a = 0; a < 3; ++a)
            extent[a] = std::abs(double(face.corners[2][a]) - double(face.corners[0][a]));
        const int axis = 2 - face.direction() / 2;
        total += extent[(axis + 1) % 3] * extent[(axis + 2) % 3];
    }
    return total;
}

// The unit cell sides an octree quad covers (cell size 1): the cells on the quad's inner side.
std::vector<FaceKey> unitPatches(const QuadFace &face)
{
    int low[3], high[3];
    for (int a = 0; a < 3; ++a) {
        low[a] = int(std::lround(std::min({face.corners[0][a], face.corners[1][a], face.corners[2][a]})));
        high[a] = int(std::lround(std::max({face.corners[0][a], face.corners[1][a], face.corners[2][a]})));
    }
    const int d = face.direction();
    const int axis = 2 - d / 2;
    if (d & 1) {
        low[axis] -= 1; // the cells just below a high side
        high[axis] = low[axis] + 1;
    } else {
        high[axis] = low[axis] + 1;
    }
    std::vector<FaceKey> patches;
    for (int x = low[0]; x < high[0]; ++x)
        for (int y = low[1]; y < high[1]; ++y)
            for (int z = low[2]; z < high[2]; ++z)
                patches.push_back({x, y, z, d});
    return patches;
}

class OctreeFaces : public SurfaceMaterialsTest {};

} // namespace

TEST_F(OctreeFaces, TreeKeepsOnlyTheSplitsAMissingCellNeeds)
{
    // A uniform 8³ block collapses to one leaf with six faces.
    auto full = makeVolume(8, 8, 8, block(0, 8, kOpaqueA));
    const OctreeSurface root = buildOctree(*full, wholeBox(*full));
    EXPECT_EQ(root.nodeCount(), 1u);
    ASSERT_EQ(root.opaqueFaces().size(), 6u);
    EXPECT_DOUBLE_EQ(area(root.opaqueFaces()), 6.0 * 64.0);
    // 8³ full but for one corner cell: root, one 4³ child and one 2³ grandchild are split.
    auto volume = makeVolume(8, 8, 8, [](uint32_t x, uint32_t y, uint32_t z) {
        return x == 0 && y == 0 && z == 0 ? 0u : kOpaqueB;
    });
    const OctreeSurface octree = buildOctree(*volume, wholeBox(*volume));
    EXPECT_EQ(octree.leafCount(), 7u + 7u + 8u);
    EXPECT_EQ(octree.nodeCount(), 1u + 8u + 8u + 8u);
    // A 6³ cut box needs an 8³ root; the cells beyond the box stay empty leaves.
    const OctreeSurface cut = buildOctree(*volume, {{1, 1, 1}, {7, 7, 7}});
    EXPECT_GT(cut.leafCount(), 1u);
    EXPECT_DOUBLE_EQ(area(cut.opaqueFaces()), 6.0 * 36.0);
    // An empty volume and an empty box give no faces, and no nodes.
    auto empty = makeVolume(5, 3, 2, [](uint32_t, uint32_t, uint32_t) { return 0u; });
    EXPECT_TRUE(buildOctree(*empty, wholeBox(*empty)).opaqueFaces().empty());
    const OctreeSurface none =
        buildOctree(*makeVolume(5, 3, 2, block(0, 5, kOpaqueA)), {{2, 0, 0}, {2, 3, 2}});
    EXPECT_TRUE(none.opaqueFaces().empty());
    EXPECT_EQ(none.nodeCount(), 0u);
}

// For opaque materials the octree shows the same exposed area as the cell faces: every exposed
// cell side is covered by an octree quad of the same side and material, and whatever else the
// quads cover lies between two solid cells, where nothing can see it.
TEST_F(OctreeFaces, OpaqueQuadsCoverExactlyTheExposedAreaOfTheCellFaces)
{
    const CutBox boxes[] = {{{0, 0, 0}, {11, 9, 10}}, {{2, 1, 3}, {9, 9, 8}}};
    unsigned seed = 5;
    for (const CutBox &box : boxes) {
        for (double emptyShare : {0.2, 0.6}) {
            auto volume = makeVolume(11, 9, 10, [&](uint32_t x, uint32_t y, uint32_t z) {
                // Blocky regions with holes, so that the tree has both large and small leaves.
                const uint32_t region = ((x / 4) + (y / 4) * 3 + (z / 4) * 7 + seed) % 3;
                return region == 0 ? 0u : (region == 1 ? kOpaqueA : kOpaqueB);
            });
            cutRandomCells(*volume, emptyShare * 0.2, seed++);
            const OctreeSurface octree = buildOctree(*volume, box);
            const CubicFaceLists direct = buildCubicFaces(*volume, box);
            CellsLocker cells(*volume);
            std::set<FaceKey> exposed;
            for (const QuadFace &face : direct.opaque)
                exposed.insert(keyOf(face));
            std::set<FaceKey> covered;
            const auto solid = [&](int x, int y, int z) {
                if (!insideBox(box, x, y, z))
                    return false;
                const Voxel &cell = cells.get()[volume->cellIndex(x, y, z)];
                return cell.materialId != 0 && cell.cutCount == 0;
            };
            EXPECT_TRUE(octree.transparentFaces().empty());
            for (const QuadFace &face : octree.opaqueFaces()) {
                for (const FaceKey &patch : unitPatches(face)) {
                    ASSERT_TRUE(solid(patch.x, patch.y, patch.z));
                    EXPECT_EQ(cells.get()[volume->cellIndex(patch.x, patch.y, patch.z)].materialId,
                              face.materialId);
                    if (exposed.count(patch)) {
                        covered.insert(patch);
                        continue;
                    }
                    const int *step = kStep[patch.direction];
                    EXPECT_TRUE(solid(patch.x + step[0], patch.y + step[1], patch.z + step[2]))
                        << "a quad covers a side that is neither exposed nor hidden";
                }
            }
            EXPECT_EQ(covered, exposed);
            EXPECT_FALSE(exposed.empty());
        }
    }
}

TEST_F(OctreeFaces, TranslucentFacesShowOnlyTowardsEmptyLeaves)
{
    // A 4³ translucent block on a 4 × 4 × 2 opaque slab inside an 8³ box.
    auto volume = makeVolume(8, 8, 8, [](uint32_t x, uint32_t y, uint32_t z) {
        if (x >= 4 || y >= 4)
            return 0u;
        return z < 2 ? kOpaqueA : (z < 6 ? kTranslucentA : 0u);
    });
    const OctreeSurface octree = buildOctree(*volume, wholeBox(*volume));
    // Translucent sides: the top and four walls; its bottom faces the opaque slab.
    EXPECT_DOUBLE_EQ(area(octree.transparentFaces()), 16.0 + 4 * 16.0);
    for (const QuadFace &face : octree.transparentFaces())
        EXPECT_NE(face.direction(), 0);
    // Opaque sides: the slab's bottom and walls, and its top under the translucent block.
    EXPECT_DOUBLE_EQ(area(octree.opaqueFaces()), 16.0 + 4 * 8.0 + 16.0);
}
