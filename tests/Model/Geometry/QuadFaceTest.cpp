#include "Model/Geometry/QuadFace.h"

#include <gtest/gtest.h>

#include <set>

using Model::Geometry::kFaceTable;
using Model::Geometry::Point3;
using Model::Geometry::QuadFace;

namespace {

Point3 minus(const Point3 &a, const Point3 &b)
{
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Point3 cross(const Point3 &a, const Point3 &b)
{
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

} // namespace

// Each face lies on its side of the unit cube and winds counter-clockwise seen from outside,
// so back-face culling keeps exactly the outward faces.
TEST(QuadFaceTable, FacesLieOnTheirSideAndWindOutwards)
{
    for (int d = 0; d < 6; ++d) {
        const QuadFace face(d, 0, 0, 0, 1, {1.0f, 1.0f, 1.0f}, {}, 1);
        const Point3 &n = face.normal();
        const int axis = 2 - d / 2;
        EXPECT_EQ(n[size_t(axis)], (d & 1) ? 1.0f : -1.0f);
        for (const Point3 &corner : face.corners)
            EXPECT_EQ(corner[size_t(axis)], (d & 1) ? 1.0f : 0.0f) << "direction " << d;
        for (int k = 0; k < 4; ++k) {
            const Point3 turn = cross(minus(face.corners[size_t((k + 1) % 4)], face.corners[size_t(k)]),
                                      minus(face.corners[size_t((k + 2) % 4)], face.corners[size_t(k)]));
            EXPECT_EQ(turn[0], n[0]);
            EXPECT_EQ(turn[1], n[1]);
            EXPECT_EQ(turn[2], n[2]);
        }
        EXPECT_EQ(Model::Geometry::oppositeDirection(d), d ^ 1);
    }
}

TEST(QuadFaceTable, BlockFacesScaleByLengthAndCellSize)
{
    const QuadFace face(5, 2, 4, 6, 4, {0.5f, 2.0f, 0.25f}, {0.1f, 0.2f, 0.3f, 0.4f}, 7);
    // +X side of the block [2, 6) × [4, 8) × [6, 10) cells.
    const Point3 expected[4] = {
        {3.0f, 8.0f, 1.5f}, {3.0f, 16.0f, 1.5f}, {3.0f, 16.0f, 2.5f}, {3.0f, 8.0f, 2.5f}};
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(face.corners[size_t(k)], expected[k]);
    EXPECT_EQ(face.materialId, 7u);
    EXPECT_EQ(face.faceColor, face.edgeColor);
}

TEST(QuadFaceIds, EveryConstructionTakesANewIdAndCopiesKeepIt)
{
    std::set<uint32_t> ids;
    std::vector<QuadFace> faces(50);
    for (int d = 0; d < 6; ++d)
        faces.emplace_back(d, 0, 0, 0, 1, Point3{1.0f, 1.0f, 1.0f}, Model::Materials::RgbaColor(), 1);
    for (const QuadFace &face : faces)
        ids.insert(face.faceId());
    EXPECT_EQ(ids.size(), faces.size());
    const QuadFace copy = faces.front();
    EXPECT_EQ(copy.faceId(), faces.front().faceId());
    EXPECT_TRUE(copy.sameAs(faces.front()));
}
