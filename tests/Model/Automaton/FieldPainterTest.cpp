#include "Model/Automaton/FieldPainter.h"
#include "Model/Automaton/FaceHighlight.h"

#include "Support/SurfaceTestSupport.h"

#include <gtest/gtest.h>

using namespace Model::Automaton;
using namespace SurfaceTest;
using namespace TestSupport;
using Model::Materials::RgbaColor;

namespace {

SharedParticleCountField fieldOf(const std::vector<uint32_t> &counts)
{
    auto field = std::make_shared<ParticleCountField>(counts.size());
    for (size_t i = 0; i < counts.size(); ++i) {
        // Spread each count over the seven counters: only their sum matters.
        (*field)[i].counts[0] = counts[i] / 2;
        (*field)[i].counts[6] = counts[i] - counts[i] / 2;
    }
    return field;
}

class FieldFaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        installMaterials();
        colors = MaterialColorMap::fromCatalogue();
        // A row of four cells: Si, Si, translucent, empty.
        volume = volumeOf(4, 1, 1, {kOpaqueA, kOpaqueA, kTranslucentA, 0});
    }
    void build(FieldPainter &painter, SharedParticleCountField n, SharedParticleCountField p)
    {
        CellsLocker cells(*volume);
        painter.build(cells.get(), CellGrid::of(*volume), {{0, 0, 0}, {4, 1, 1}}, n, p, colors);
    }
    MaterialColorMap colors;
    std::shared_ptr<TotalVolume> volume;
};

} // namespace

TEST_F(FieldFaces, WithoutTheFieldCellsKeepTheirMaterialFacesAndTheRangeIsZeroToOne)
{
    FieldPainter painter;
    build(painter, nullptr, nullptr);
    const CubicFaceLists reference = buildCubicFaces(*volume);
    EXPECT_TRUE(sameFaces(painter.opaqueFaces(), reference.opaque));
    EXPECT_TRUE(sameFaces(painter.transparentFaces(), reference.transparent));
    EXPECT_EQ(painter.colorScale().getMinimum(), 0.0f);
    EXPECT_EQ(painter.colorScale().getMaximum(), 1.0f);
    // The P distribution without a P field, the signed sum without both, a short field: the same.
    for (uint32_t distribution : {1u, 2u}) {
        painter.setDistribution(distribution);
        build(painter, fieldOf({1, 2, 3, 4}), nullptr);
        EXPECT_TRUE(sameFaces(painter.opaqueFaces(), reference.opaque));
    }
    painter.setDistribution(0);
    build(painter, fieldOf({1, 2}), nullptr);
    EXPECT_TRUE(sameFaces(painter.opaqueFaces(), reference.opaque));
}

TEST_F(FieldFaces, CellsWithParticlesTakeTheScaleColourAndBecomeOpaque)
{
    FieldPainter painter;
    painter.setColorScaleType(1);
    // The empty cell's 100 particles do not count for the range: it is 0..10.
    build(painter, fieldOf({0, 5, 10, 100}), nullptr);
    EXPECT_EQ(painter.colorScale().getMinimum(), 0.0f);
    EXPECT_EQ(painter.colorScale().getMaximum(), 10.0f);
    EXPECT_TRUE(painter.transparentFaces().empty());
    // Cell 0: material colour, hidden towards cell 1; cell 1: scale entry 127 (5 of 0..10), hidden
    // on both x sides; cell 2: scale entry 255, hidden towards cell 1.
    ASSERT_EQ(painter.opaqueFaces().size(), 5u + 4u + 5u);
    const RgbaColor si = colors.color(kOpaqueA);
    for (const auto &face : painter.opaqueFaces()) {
        const int x = keyOf(face).x;
        const RgbaColor expected = x == 0 ? si : painter.colorScale().entry(x == 1 ? 127 : 255);
        EXPECT_EQ(face.faceColor, expected) << "cell " << x;
        EXPECT_EQ(face.edgeColor, expected);
    }
    // The built colours come back after the selection highlight.
    const std::vector<Model::Geometry::QuadFace> built = painter.opaqueFaces();
    highlightFaces(painter.opaqueFacesForRecolouring());
    EXPECT_FALSE(sameFaces(painter.opaqueFaces(), built));
    painter.restoreBuiltColors();
    EXPECT_TRUE(sameFaces(painter.opaqueFaces(), built));
}

TEST_F(FieldFaces, SignedSumColoursEveryNonZeroDifference)
{
    FieldPainter painter;
    painter.setDistribution(FieldPainter::SignedSum);
    build(painter, fieldOf({4, 2, 7, 0}), fieldOf({4, 0, 9, 0})); // P - N = 0, -2, 2, 0
    EXPECT_EQ(painter.colorScale().getMinimum(), -2.0f);
    EXPECT_EQ(painter.colorScale().getMaximum(), 2.0f);
    for (const auto &face : painter.opaqueFaces()) {
        const int x = keyOf(face).x;
        if (x == 0)
            EXPECT_EQ(face.faceColor, colors.color(kOpaqueA));
        else
            EXPECT_EQ(face.faceColor, painter.colorScale().entry(x == 1 ? 0 : 255));
    }
}

TEST_F(FieldFaces, CountedCellInsideItsOwnTranslucentMaterialShowsItsSides)
{
    // The centre of a translucent 3³ block holds particles: it turns opaque, so it shows all six
    // sides, and the translucent cells around it hide theirs towards it.
    auto cube = makeVolume(5, 5, 5, block(1, 4, kTranslucentA));
    std::vector<uint32_t> counts(cube->getCellCount(), 0);
    counts[cube->cellIndex(2, 2, 2)] = 7;
    FieldPainter painter;
    {
        CellsLocker cells(*cube);
        painter.build(cells.get(), CellGrid::of(*cube), {{0, 0, 0}, {5, 5, 5}}, fieldOf(counts), nullptr,
                      colors);
    }
    ASSERT_EQ(painter.opaqueFaces().size(), 6u);
    for (const auto &face : painter.opaqueFaces())
        EXPECT_EQ(face.faceColor, painter.colorScale().entry(255));
    EXPECT_EQ(painter.transparentFaces().size(), 54u);
}
