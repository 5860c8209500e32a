#include "Support/OperationTestSupport.h"

#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Model/Automaton/TotalVolume.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Core::Operations::CreateSubstrateOperation;
using Core::Operations::SubstrateDescription;

class CreateSubstrateOperationTest : public ::testing::Test {
protected:
    CreateSubstrateOperationTest() { workspace.setOperationFactory(factory); }

    // Activates the operation; `answer` plays the dialog (none: the dialog is cancelled).
    std::shared_ptr<CreateSubstrateOperation> start(std::function<void(CreateSubstrateOperation &)> answer)
    {
        auto operation = std::make_shared<CreateSubstrateOperation>(workspace);
        CreateSubstrateOperation *raw = operation.get();
        operation->addObserver(std::make_shared<TestSupport::CallbackObserver>([raw, answer] {
            if (answer)
                answer(*raw);
        }));
        factory->makers[2] = [operation] { return operation; };
        workspace.activate(2);
        return operation;
    }

    Core::Workspace workspace;
    std::shared_ptr<TestSupport::MakerFactory> factory = std::make_shared<TestSupport::MakerFactory>();
};

std::vector<size_t> filledCells(const Model::Automaton::TotalVolume &volume)
{
    std::vector<size_t> filled;
    const auto ids = volume.materialIds();
    for (size_t i = 0; i < ids.size(); ++i)
        if (ids[i] != 0)
            filled.push_back(i);
    return filled;
}

TEST_F(CreateSubstrateOperationTest, DefaultBlockFillsTheLowestThirtyLayers)
{
    auto operation = start([](CreateSubstrateOperation &op) {
        op.setBlockParameters(1, 100, 100, 80, Util::Vector3D(), 0, 0, 0, 100, 100, 30);
    });
    auto volume = operation->getVolume();
    ASSERT_TRUE(volume);
    EXPECT_EQ(workspace.getScene().getObjects().size(), 1u);
    EXPECT_EQ(workspace.getCommandInterpreter().getLastMessage(),
              "Create Substrate: substrate created successfully.");
    EXPECT_EQ(workspace.getUndoRedoStacks().undoName(), "Create Substrate");
    const auto ids = volume->materialIds();
    for (uint32_t z = 0; z < 80; ++z)
        EXPECT_EQ(ids[volume->cellIndex(57, 13, z)], z < 30 ? 1u : 0u) << z;
    EXPECT_EQ(filledCells(*volume).size(), 100u * 100u * 30u);
}

TEST_F(CreateSubstrateOperationTest, UndoRemovesAndRedoRestoresTheSameVolume)
{
    auto operation = start([](CreateSubstrateOperation &op) {
        op.setBlockParameters(3, 4, 4, 4, Util::Vector3D(5, 6, 7), 1, 1, 1, 2, 2, 2);
    });
    auto volume = operation->getVolume();
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

TEST_F(CreateSubstrateOperationTest, ACancelledDialogLeavesTheOperationWaitingSilently)
{
    auto messages = std::make_shared<TestSupport::CountingObserver>();
    workspace.getCommandInterpreter().addMessageObserver(messages);
    auto operation = start(nullptr);
    EXPECT_EQ(workspace.currentOperation(), operation);
    EXPECT_EQ(messages->count, 0);
    workspace.cancelCurrent();
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    EXPECT_EQ(messages->count, 0);
    EXPECT_EQ(workspace.getScene().objectCount(), 0u);
}

TEST_F(CreateSubstrateOperationTest, AVolumeTooLargeForMemoryIsRefusedWithAMessage)
{
    auto operation = start([](CreateSubstrateOperation &op) {
        op.setBlockParameters(1, 10000, 10000, 10000, Util::Vector3D(), 0, 0, 0, 10000, 10000, 30);
    });
    EXPECT_EQ(operation->getVolume(), nullptr);
    EXPECT_EQ(workspace.getScene().objectCount(), 0u);
    EXPECT_NE(workspace.getCommandInterpreter().getLastMessage().find("too large"), std::string::npos);
}

TEST(SubstrateBuilderTest, UnitBallAtTheOriginHoldsFourCells)
{
    SubstrateDescription description;
    description.spherical = true;
    description.totalWidth = description.totalLength = description.totalHeight = 4;
    description.radius = 1;
    auto volume = Core::Operations::buildSubstrate(description);
    ASSERT_TRUE(volume);
    EXPECT_EQ(filledCells(*volume),
              (std::vector<size_t>{volume->cellIndex(0, 0, 0), volume->cellIndex(0, 0, 1),
                                   volume->cellIndex(0, 1, 0), volume->cellIndex(1, 0, 0)}));
}

TEST(SubstrateBuilderTest, BallMatchesTheSphereEquationWithCellSizes)
{
    SubstrateDescription description;
    description.spherical = true;
    description.totalWidth = 12;
    description.totalLength = 9;
    description.totalHeight = 10;
    description.radius = 4;
    description.centerX = 6;
    description.centerY = 3;
    description.centerZ = 9;
    description.cellSizeX = 0.5f;
    description.materialId = 7;
    auto volume = Core::Operations::buildSubstrate(description);
    const auto ids = volume->materialIds();
    for (uint32_t x = 0; x < 12; ++x)
        for (uint32_t y = 0; y < 9; ++y)
            for (uint32_t z = 0; z < 10; ++z) {
                const double dx = (double(x) - 6) * 0.5, dy = double(y) - 3, dz = double(z) - 9;
                EXPECT_EQ(ids[volume->cellIndex(x, y, z)], dx * dx + dy * dy + dz * dz <= 16 ? 7u : 0u);
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
    auto volume = Core::Operations::buildSubstrate(description);
    ASSERT_TRUE(volume);
    EXPECT_TRUE(filledCells(*volume).empty()) << "y starts outside the volume";
    description.blockY = 0;
    description.blockLength = 5;
    description.blockHeight = 9;
    EXPECT_EQ(filledCells(*Core::Operations::buildSubstrate(description)).size(), 1u * 3u * 2u);
}

} // namespace
