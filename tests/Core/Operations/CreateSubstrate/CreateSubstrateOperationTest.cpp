#include "Support/WorkspaceHarness.h"

#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Model/Automaton/TotalVolume.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Core::Operations::CreateSubstrateOperation;
using Core::Operations::SubstrateDescription;

class CreateSubstrateOperationTest : public ::testing::Test {
protected:
    // Activates the operation; `answer` plays the dialog (none: the dialog is cancelled).
    std::shared_ptr<Model::Automaton::TotalVolume>
    start(std::function<void(CreateSubstrateOperation &)> answer)
    {
        harness.add<CreateSubstrateOperation>(2, answer);
        workspace.activate(2);
        const auto volumes = workspace.getScene().getCellVolumes();
        return volumes.empty() ? nullptr : volumes.back();
    }

    TestSupport::WorkspaceHarness harness;
    Core::Workspace &workspace = harness.workspace;
};

size_t filledCells(const Model::Automaton::TotalVolume &volume)
{
    const auto ids = volume.materialIds();
    return size_t(ids.size() - size_t(std::count(ids.begin(), ids.end(), 0u)));
}

TEST_F(CreateSubstrateOperationTest, UndoRemovesAndRedoRestoresTheSameVolume)
{
    auto volume = start([](CreateSubstrateOperation &op) {
        op.setBlockParameters(3, 4, 4, 4, Util::Vector3D(5, 6, 7), 1, 1, 1, 2, 2, 2);
    });
    workspace.getSelection().toggle(volume);
    workspace.undo();
    EXPECT_EQ(workspace.getScene().objectCount(), 0u);
    // The removed volume leaves the selection, so no operation can act on it unseen.
    EXPECT_TRUE(workspace.getSelection().getObjects().empty());
    EXPECT_TRUE(workspace.getPickState().getSelectedObjects().empty());
    EXPECT_FALSE(volume->isSelected());
    workspace.redo();
    ASSERT_EQ(workspace.getScene().getObjects().size(), 1u);
    EXPECT_EQ(workspace.getScene().getObjects().front(), volume);
    EXPECT_EQ(volume->getPosition(), Util::Vector3D(5, 6, 7));
}

TEST_F(CreateSubstrateOperationTest, CancelledOrTooLargeCreatesNothing)
{
    // A cancelled dialog leaves the operation waiting silently until Escape.
    start(nullptr);
    EXPECT_NE(workspace.currentOperation(), nullptr);
    workspace.cancelCurrent();
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    EXPECT_TRUE(harness.log->lines.empty());

    start([](CreateSubstrateOperation &op) {
        op.setBlockParameters(1, 10000, 10000, 10000, Util::Vector3D(), 0, 0, 0, 10000, 10000, 30);
    });
    EXPECT_EQ(workspace.getScene().objectCount(), 0u);
    EXPECT_NE(harness.lastMessage().find("too large"), std::string::npos);
}

// Balls hold exactly the cells whose centres satisfy the sphere equation in length units: at the
// origin the unit ball holds four cells.
TEST(SubstrateBuilderTest, BallMatchesTheSphereEquationWithCellSizes)
{
    struct Ball {
        uint32_t size[3], centre[3], radius;
        float cellSizeX;
    };
    for (const Ball &b : {Ball{{4, 4, 4}, {0, 0, 0}, 1, 1.0f}, Ball{{12, 9, 10}, {6, 3, 9}, 4, 0.5f}}) {
        SubstrateDescription d;
        d.spherical = true;
        d.totalWidth = b.size[0], d.totalLength = b.size[1], d.totalHeight = b.size[2];
        d.centerX = b.centre[0], d.centerY = b.centre[1], d.centerZ = b.centre[2];
        d.radius = b.radius;
        d.cellSizeX = b.cellSizeX;
        d.materialId = 7;
        auto volume = Core::Operations::buildSubstrate(d);
        size_t inside = 0;
        for (uint32_t x = 0; x < b.size[0]; ++x)
            for (uint32_t y = 0; y < b.size[1]; ++y)
                for (uint32_t z = 0; z < b.size[2]; ++z) {
                    const double dx = (double(x) - b.centre[0]) * b.cellSizeX, dy = double(y) - b.centre[1],
                                 dz = double(z) - b.centre[2];
                    const bool ball = dx * dx + dy * dy + dz * dz <= double(b.radius * b.radius);
                    inside += ball;
                    EXPECT_EQ(volume->materialIds()[volume->cellIndex(x, y, z)], ball ? 7u : 0u);
                }
        EXPECT_EQ(filledCells(*volume), inside);
    }
}

TEST(SubstrateBuilderTest, BlocksReachingPastTheVolumeAreClipped)
{
    SubstrateDescription description;
    description.totalWidth = description.totalLength = description.totalHeight = 3;
    description.blockX = 2;
    description.blockY = 4000000000u;
    description.blockWidth = 4000000000u;
    description.blockZ = 1;
    EXPECT_EQ(filledCells(*Core::Operations::buildSubstrate(description)), 0u)
        << "y starts outside the volume";
    description.blockY = 0;
    description.blockLength = 5;
    description.blockHeight = 9;
    EXPECT_EQ(filledCells(*Core::Operations::buildSubstrate(description)), 1u * 3u * 2u);
}

} // namespace
