#include "Support/OperationTestSupport.h"
#include "Support/Volumes.h"

#include "Core/Operations/CellProcessOperation.h"
#include "Core/Workspace/Workspace.h"

#include <QFileInfo>

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
        factory->makers[13] = [operation] { return operation; };
        workspace.activate(13);
        return operation;
    }
    std::string lastMessage() { return workspace.getCommandInterpreter().getLastMessage(); }

    Core::Workspace workspace;
    std::shared_ptr<TestSupport::CountingObserver> messages =
        std::make_shared<TestSupport::CountingObserver>();
    std::shared_ptr<TestSupport::CountingObserver> dialog = std::make_shared<TestSupport::CountingObserver>();
    std::shared_ptr<TestSupport::MakerFactory> factory = std::make_shared<TestSupport::MakerFactory>();
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

TEST_F(CellProcessOperationTest, UndoAndRedoRestoreTheExactCellsStepByStep)
{
    auto volume = TestSupport::makeVolume(3, 3, 6, [](uint32_t x, uint32_t y, uint32_t z) {
        return z == 0 || (x + y + z) % 3 == 0 ? x + 1 : 0u;
    });
    workspace.getScene().addObject(volume);
    const auto original = volume->materialIds();
    start();
    const auto afterFirst = volume->materialIds();
    start(4);
    const auto afterSecond = volume->materialIds();
    ASSERT_NE(original, afterFirst);
    ASSERT_NE(afterFirst, afterSecond);
    for (uint32_t z = 1; z < 6; ++z)
        EXPECT_EQ(afterSecond[z], z == 3 ? 1u : z < 4 ? 9u : 0u) << z;

    workspace.undo();
    EXPECT_EQ(volume->materialIds(), afterFirst);
    workspace.undo();
    EXPECT_EQ(volume->materialIds(), original);
    workspace.redo();
    EXPECT_EQ(volume->materialIds(), afterFirst);
    workspace.redo();
    EXPECT_EQ(volume->materialIds(), afterSecond);
}

TEST_F(CellProcessOperationTest, AStepWritesOnlyTheCellsItChanged)
{
    auto volume = TestSupport::makeRandomVolume(40, 40, 40, {1, 3, 4, 9, 16}, 0.2, 7);
    workspace.getScene().addObject(volume);
    const auto original = volume->materialIds();
    start();
    auto &registry = workspace.getArchiveRegistry();
    const qint64 written = QFileInfo(registry.getUndoHistory().getPath()).size()
                           + QFileInfo(registry.getRedoHistory().getPath()).size();
    EXPECT_LT(written, qint64(volume->getCellCount() / 20)) << "about 640 of 64000 cells changed";
    workspace.undo();
    EXPECT_EQ(volume->materialIds(), original);
}

TEST_F(CellProcessOperationTest, FinishingOrEscapeWithoutAVolumeCancels)
{
    start()->finish();
    EXPECT_EQ(lastMessage(), "Fill: Operation canceled.");
    workspace.getScene().addObject(TestSupport::makeSlab(2, 2, 2, 1));
    workspace.getScene().addObject(TestSupport::makeSlab(2, 2, 2, 1));
    start();
    workspace.cancelCurrent();
    EXPECT_EQ(lastMessage(), "Fill: Operation canceled.");
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    EXPECT_FALSE(workspace.getUndoRedoStacks().canUndo());
}

} // namespace
