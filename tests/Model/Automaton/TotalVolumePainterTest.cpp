#include "Model/Automaton/TotalVolumePainter.h"
#include "Model/Automaton/FaceHighlight.h"

#include "Support/SurfaceTestSupport.h"

#include <gtest/gtest.h>

using namespace Model::Automaton;
using namespace SurfaceTest;
using namespace TestSupport;
using Model::Geometry::QuadFace;
using Model::Materials::RgbaColor;

namespace {

class Painter : public SurfaceMaterialsTest {};

} // namespace

TEST_F(Painter, CutLimitsStoreTheBoxAndItsSixClipPlanes)
{
    auto volume = makeVolume(6, 5, 4, block(0, 6, 1));
    TotalVolumePainter &painter = volume->getPainter();
    EXPECT_EQ(painter.getCutBox(), (CutBox{{0, 0, 0}, {6, 5, 4}}));
    painter.setCutLimits(1, 2, 0, 5, 4, 3);
    EXPECT_EQ(painter.getCutBox(), (CutBox{{1, 2, 0}, {5, 4, 3}}));
    const std::array<ClipPlane, 6> expected = {{{{-1.0, 0.0, 0.0}, 1.0},
                                                {{1.0, 0.0, 0.0}, -5.0},
                                                {{0.0, -1.0, 0.0}, 2.0},
                                                {{0.0, 1.0, 0.0}, -4.0},
                                                {{0.0, 0.0, -1.0}, 0.0},
                                                {{0.0, 0.0, 1.0}, -3.0}}};
    EXPECT_EQ(painter.getClipPlanes(), expected);
    // Limits beyond the volume are cut back to it; an inverted box is empty.
    painter.setCutLimits(7, 0, 2, 9, 99, 1);
    EXPECT_EQ(painter.getCutBox(), (CutBox{{6, 0, 1}, {6, 5, 1}}));
    painter.update();
    EXPECT_TRUE(painter.getOpaqueFaces().empty());
}

TEST_F(Painter, UpdateBuildsTheCubicFacesTheChosenAlgorithmAndAskedOutlinesOnly)
{
    auto volume = makeVolume(6, 6, 6, [](uint32_t x, uint32_t y, uint32_t z) {
        if (x < 1 || x > 4 || y < 1 || y > 4 || z < 1 || z > 4)
            return 0u;
        return z > 3 ? kTranslucentA : kOpaqueA;
    });
    TotalVolumePainter &painter = volume->getPainter();
    painter.update();
    EXPECT_EQ(painter.getOpaqueFaces().size(), size_t(16 + 16 + 4 * 12));
    EXPECT_EQ(painter.getTransparentFaces().size(), size_t(16 + 4 * 4));
    ASSERT_TRUE(painter.getBspTree());
    EXPECT_TRUE(painter.getBspTree()->isComplete());
    EXPECT_TRUE(painter.getMarchingCubeSurface().triangles().empty());

    painter.setSurfaceAlgorithm(TotalVolumePainter::MarchingCubes);
    painter.update();
    EXPECT_FALSE(painter.getMarchingCubeSurface().triangles().empty());
    EXPECT_FALSE(painter.getOpaqueFaces().empty()); // always built

    painter.setSurfaceAlgorithm(TotalVolumePainter::Octree);
    painter.update();
    EXPECT_TRUE(painter.getMarchingCubeSurface().triangles().empty());
    EXPECT_FALSE(painter.getOctreeSurface().opaqueFaces().empty());
    EXPECT_FALSE(painter.getOctreeSurface().transparentFaces().empty());

    painter.setSurfaceAlgorithm(TotalVolumePainter::ParticleCountField);
    painter.update();
    EXPECT_TRUE(painter.getOctreeSurface().opaqueFaces().empty());
    EXPECT_TRUE(sameFaces(painter.getFieldPainter().opaqueFaces(), painter.getOpaqueFaces()));

    EXPECT_TRUE(painter.getOutlineFaces().empty());
    painter.setRenderEmptyVoxelOutlines(true);
    painter.update();
    EXPECT_EQ(painter.getOutlineFaces().size(), 6u * (216 - 64));
    painter.setRenderEmptyVoxelOutlines(false);
    painter.update();
    EXPECT_TRUE(painter.getOutlineFaces().empty());
}

TEST_F(Painter, ChangingTheAlgorithmRebuildsTheCubicFacesOnlyOnAChange)
{
    auto volume = makeVolume(4, 4, 4, block(1, 3, 1));
    TotalVolumePainter &painter = volume->getPainter();
    painter.update();
    ASSERT_EQ(painter.getOpaqueFaces().size(), 24u);
    volume->setMaterialIds(std::vector<uint32_t>(64, 1));
    painter.setSurfaceAlgorithm(TotalVolumePainter::DirectCubic); // unchanged: nothing rebuilt
    painter.setSurfaceAlgorithm(9);                               // unknown: ignored
    EXPECT_EQ(painter.getSurfaceAlgorithm(), uint32_t(TotalVolumePainter::DirectCubic));
    EXPECT_EQ(painter.getOpaqueFaces().size(), 24u);
    painter.setSurfaceAlgorithm(TotalVolumePainter::Octree);
    EXPECT_EQ(painter.getOpaqueFaces().size(), 96u);
}

TEST(FaceHighlight, ShiftsEachChannelAndResetRestoresTheMaterialColours)
{
    installMaterials();
    const MaterialColorMap colors = MaterialColorMap::fromCatalogue();
    std::vector<QuadFace> faces;
    faces.emplace_back(0, 0, 0, 0, 1, Model::Geometry::Point3{1.0f, 1.0f, 1.0f},
                       RgbaColor{0.7f, 0.69f, 1.0f, 0.4f}, kOpaqueB);
    faces.emplace_back(1, 0, 0, 0, 1, Model::Geometry::Point3{1.0f, 1.0f, 1.0f}, colors.color(kOpaqueA),
                       kOpaqueA);
    highlightFaces(faces);
    EXPECT_FLOAT_EQ(faces[0].faceColor.r, 0.0f);
    EXPECT_FLOAT_EQ(faces[0].faceColor.g, 0.99f);
    EXPECT_FLOAT_EQ(faces[0].faceColor.b, 0.3f);
    EXPECT_EQ(faces[0].faceColor.a, 0.4f);
    EXPECT_EQ(faces[0].edgeColor, faces[0].faceColor);
    resetFaceColors(faces, colors);
    EXPECT_EQ(faces[0].faceColor, colors.color(kOpaqueB));
    EXPECT_EQ(faces[1].faceColor, colors.color(kOpaqueA));
    EXPECT_EQ(faces[1].edgeColor, colors.color(kOpaqueA));
}
