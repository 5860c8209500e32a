#include "Support/RecordingOperation.h"
#include "Support/Volumes.h"

#include "Core/Operations/CellProcessOperation.h"
#include "Core/Workspace/Workspace.h"

#include <gtest/gtest.h>

namespace {

using Model::Automaton::CellsLocker;
using Model::Automaton::TotalVolume;

// A process that turns every empty cell below `height` into material 9.
class FillOperation : public Core::Operations::CellProcessOperation {
public:
    explicit FillOperation(Core::Workspace &workspace)
        : CellProcessOperation(workspace, "Fill", 13, "Fill",
                               Core::Operations::nextInstanceNumber<FillOperation>())
    {
    }
    uint32_t height = 2;

protected:
    void runEngine(TotalVolume &volume) override
    {
        CellsLocker cells(volume);
        for (uint32_t x = 0; x < volume.getSizeX(); ++x)
            for (uint32_t y = 0; y < volume.getSizeY(); ++y)
                for (uint32_t z = 0; z < height; ++z) {
                    auto &cell = cells.get()[volume.cellIndex(x, y, z)];
                    if (cell.materialId == 0)
                        cell.materialId = 9;
                }
    }
    bool outdatesLattice() const override { return true; }
};

class CellProcessOperationTest : public ::testing::Test {
protected:
    CellProcessOperationTest()
    {
        workspace.getCommandInterpreter().addMessageObserver(messages);
        workspace.setOperationFactory(factory);
    }

    std::shared_ptr<FillOperation> start(uint32_t height = 2)
    {
        auto operation = std::make_shared<FillOperation>(workspace);
        operation->height = height;
        operation->addObserver(dialog);
        factory->next = operation;
        workspace.activate(13);
        return operation;
    }
    std::string lastMessage() { return workspace.getCommandInterpreter().getLastMessage(); }

    Core::Workspace workspace;
    std::shared_ptr<TestSupport::CountingObserver> messages =
        std::make_shared<TestSupport::CountingObserver>();
    std::shared_ptr<TestSupport::CountingObserver> dialog = std::make_shared<TestSupport::CountingObserver>();
    std::shared_ptr<TestSupport::PreparedFactory> factory = std::make_shared<TestSupport::PreparedFactory>();
};

TEST_F(CellProcessOperationTest, WithoutAVolumeItPromptsAndWaitsForEnter)
{
    auto a = TestSupport::makeSlab(2, 2, 2, 1);
    auto b = TestSupport::makeSlab(2, 2, 2, 1);
    workspace.getScene().addObject(a);
    workspace.getScene().addObject(b);
    auto operation = start();
    EXPECT_EQ(lastMessage(), "Fill: Select a cell volume and press Enter/Return.");
    EXPECT_TRUE(workspace.getSelection().getMode());
    EXPECT_EQ(dialog->count, 0);

    workspace.getSelection().toggle(b);
    workspace.getCommandInterpreter().interpret("");
    EXPECT_EQ(dialog->count, 1);
    EXPECT_EQ(operation->getVolume(), b);
    EXPECT_FALSE(workspace.getSelection().getMode());
    EXPECT_EQ(lastMessage(), "Fill: Operation finished.");
    EXPECT_EQ(workspace.getUndoRedoStacks().undoName(), "Fill");
}

TEST_F(CellProcessOperationTest, TheOnlyVolumeInTheSceneIsTakenAtOnce)
{
    auto volume = TestSupport::makeSlab(3, 3, 4, 1);
    workspace.getScene().addObject(volume);
    auto operation = start();
    EXPECT_EQ(operation->getVolume(), volume);
    EXPECT_EQ(workspace.getVolumeRecords().getLastProcess(volume->getObjectId()), 13u);
    EXPECT_TRUE(workspace.getVolumeRecords().isLatticeOutdated(volume->getObjectId()));
}

TEST_F(CellProcessOperationTest, UndoRestoresAndRedoReappliesTheExactCells)
{
    auto volume = TestSupport::makeVolume(
        4, 3, 5, [](uint32_t x, uint32_t y, uint32_t z) { return (x + y + z) % 3 == 0 ? 0u : x + 1; });
    workspace.getScene().addObject(volume);
    const auto before = volume->materialIds();
    start();
    const auto after = volume->materialIds();
    ASSERT_NE(before, after);

    workspace.undo();
    EXPECT_EQ(volume->materialIds(), before);
    workspace.redo();
    EXPECT_EQ(volume->materialIds(), after);
    workspace.undo();
    EXPECT_EQ(volume->materialIds(), before);
}

TEST_F(CellProcessOperationTest, TwoStepsUndoInOrder)
{
    auto volume = TestSupport::makeSlab(3, 3, 6, 1);
    workspace.getScene().addObject(volume);
    const auto original = volume->materialIds();
    start();
    const auto afterFirst = volume->materialIds();
    start(4);
    ASSERT_NE(volume->materialIds(), afterFirst);
    workspace.undo();
    EXPECT_EQ(volume->materialIds(), afterFirst);
    workspace.undo();
    EXPECT_EQ(volume->materialIds(), original);
    const auto afterSecond = [&] {
        workspace.redo();
        workspace.redo();
        return volume->materialIds();
    }();
    for (uint32_t z = 0; z < 6; ++z)
        EXPECT_EQ(afterSecond[z], z == 0 ? 1u : z < 4 ? 9u : 0u) << z;
}

TEST_F(CellProcessOperationTest, FinishingWithoutAVolumeCancels)
{
    auto operation = start();
    operation->finish();
    EXPECT_EQ(lastMessage(), "Fill: Operation canceled.");
    EXPECT_FALSE(workspace.getUndoRedoStacks().canUndo());
}

} // namespace
