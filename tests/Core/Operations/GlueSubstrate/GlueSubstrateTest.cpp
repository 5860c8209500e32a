#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/GlueSubstrate/GlueSubstrateOperation.h"

#include <gtest/gtest.h>

using Core::Operations::GlueSubstrateOperation;
using Core::Operations::SubstrateGluing;
using namespace TestSupport;

namespace {

// Material by layer: a block `height` layers high whose layer z holds material 1 + z, so a
// turned-over copy is told apart; `marked` puts material 9 at x = 0 of the top layer.
std::shared_ptr<TotalVolume> layeredBlock(uint32_t sx, uint32_t sy, uint32_t sz, uint32_t height, bool marked)
{
    return makeVolume(sx, sy, sz, [=](uint32_t x, uint32_t, uint32_t z) {
        if (z >= height)
            return 0u;
        return marked && x == 0 && z == height - 1 ? 9u : 1u + z;
    });
}

} // namespace

TEST(SubstrateGluing, TwoEqualBlocksStackToTwiceTheirHeightPlusAnEmptyLayer)
{
    const uint32_t h = 3;
    const auto base = layeredBlock(5, 4, 8, h, false);
    const auto top = layeredBlock(5, 4, 8, h, false);
    const SubstrateGluing gluing(*base, *top);
    const auto placement = gluing.defaultPlacement();
    EXPECT_EQ(placement.size.z, 2 * h + 1);
    const auto glued = gluing.run(placement);
    ASSERT_TRUE(glued);
    for (uint32_t z = 0; z < 2 * h + 1; ++z)
        EXPECT_EQ(materialAt(*glued, 2, 1, z), z < 2 * h ? 1 + z % h : 0u) << z;
}

TEST(SubstrateGluing, InvertedTopLandsItsHighestLayerOnTheBaseMirroredInX)
{
    const auto base = layeredBlock(6, 3, 5, 2, false);
    // The top's occupied layers are 1..3 (an empty layer below): only those are copied.
    const auto top = makeVolume(4, 3, 6, [](uint32_t x, uint32_t, uint32_t z) {
        return z == 0 || z > 3 ? 0u : (x == 0 && z == 3 ? 9u : 1u + z);
    });
    const SubstrateGluing gluing(*base, *top);
    EXPECT_EQ(gluing.minimumSize().z, 2u + 3u);
    SubstrateGluing::Placement placement = gluing.defaultPlacement();
    placement.invert = true;
    placement.dx = 2;
    EXPECT_EQ(gluing.maximumShiftX(placement.size.x), 2u);
    const auto glued = gluing.run(placement);
    ASSERT_TRUE(glued);
    // Top layer 3 (marked at x = 0) lies on the base at z = 2, at x = 2 + (3 - 0).
    EXPECT_EQ(materialAt(*glued, 5, 1, 2), 9u);
    EXPECT_EQ(materialAt(*glued, 2, 1, 2), 4u);
    EXPECT_EQ(materialAt(*glued, 2, 1, 4), 2u);
    EXPECT_EQ(materialAt(*glued, 1, 1, 3), 0u); // beside the shifted top
    placement.dx = 3;
    EXPECT_FALSE(gluing.fits(placement));
    EXPECT_FALSE(gluing.run(placement));
}

TEST(SubstrateGluing, ResultDoesNotDependOnTheThreadCount)
{
    const auto base = makeRandomVolume(13, 5, 6, {1, 3, 4}, 0.3, 7);
    const auto top = makeRandomVolume(11, 5, 7, {5, 6}, 0.4, 8);
    const SubstrateGluing gluing(*base, *top);
    SubstrateGluing::Placement placement = gluing.defaultPlacement();
    placement.invert = true;
    placement.dx = 1;
    std::vector<uint32_t> reference;
    for (int threads : {1, 2, 3, 12}) {
        PoolThreads pool(threads);
        const auto ids = gluing.glue(placement);
        if (reference.empty())
            reference = ids;
        EXPECT_EQ(ids, reference) << threads;
    }
}

TEST(GlueSubstrateOperation, PicksTwoDifferentVolumesInTurnAndReplacesThemUntilUndo)
{
    WorkspaceHarness harness;
    Core::Workspace &workspace = harness.workspace;
    const auto base = layeredBlock(4, 4, 4, 2, false);
    const auto top = layeredBlock(4, 4, 4, 1, false);
    workspace.getScene().addObject(base);
    workspace.getScene().addObject(top);
    harness.add<GlueSubstrateOperation>(
        12, [](GlueSubstrateOperation &op) { op.setPlacement(op.getGluing()->defaultPlacement()); });

    workspace.activate(12);
    workspace.getSelection().toggle(base);
    workspace.getCommandInterpreter().interpret("");
    // The base again is no top.
    workspace.getSelection().toggle(base);
    workspace.getCommandInterpreter().interpret("");
    EXPECT_EQ(harness.lastMessage(), "Glue Volumes: select the top cell volume and press Enter/Return.");
    workspace.getSelection().toggle(top);
    workspace.getCommandInterpreter().interpret("");
    EXPECT_EQ(harness.lastMessage(), "Glue Volumes: volumes glued.");

    const auto objects = workspace.getScene().getObjects();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_TRUE(std::dynamic_pointer_cast<TotalVolume>(objects.front()));
    workspace.undo();
    EXPECT_EQ(workspace.getScene().getObjects(), (std::vector<std::shared_ptr<Model::Object>>{base, top}));
    workspace.redo();
    EXPECT_EQ(workspace.getScene().getObjects(), objects);
}
