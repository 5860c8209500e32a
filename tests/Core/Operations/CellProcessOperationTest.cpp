#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/CellProcessOperation.h"

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
    // Runs Fill; the fake dialog counts its calls and sets the height.
    void start(uint32_t height = 2)
    {
        harness.add<FillOperation>(13, [this, height](FillOperation &op) {
            ++dialogs;
            op.height = height;
        });
        workspace.activate(13);
    }
    std::shared_ptr<TotalVolume> add(std::shared_ptr<TotalVolume> volume)
    {
        workspace.getScene().addObject(volume);
        return volume;
    }

    TestSupport::WorkspaceHarness harness;
    Core::Workspace &workspace = harness.workspace;
    int dialogs = 0;
};

TEST_F(CellProcessOperationTest, WithoutAVolumeItPromptsAndWaitsForEnter)
{
    auto a = add(TestSupport::makeSlab(2, 2, 2, 1));
    auto b = add(TestSupport::makeSlab(2, 2, 2, 1));
    start();
    EXPECT_EQ(harness.lastMessage(), "Fill: Select a cell volume and press Enter/Return.");
    EXPECT_TRUE(workspace.getSelection().getMode());
    EXPECT_EQ(dialogs, 0);

    workspace.getSelection().toggle(b);
    const auto before = b->materialIds();
    workspace.getCommandInterpreter().interpret("");
    EXPECT_EQ(dialogs, 1);
    EXPECT_NE(b->materialIds(), before);
    EXPECT_FALSE(workspace.getSelection().getMode());
    EXPECT_EQ(harness.lastMessage(), "Fill: Operation finished.");
    EXPECT_EQ(workspace.getUndoRedoStacks().undoName(), "Fill");
    // With one volume in the scene it is taken at once.
    workspace.getScene().removeObject(b);
    const auto untouched = a->materialIds();
    start();
    EXPECT_EQ(dialogs, 2);
    EXPECT_NE(a->materialIds(), untouched);
}

TEST_F(CellProcessOperationTest, UndoAndRedoRestoreTheExactCellsStepByStep)
{
    auto volume = add(TestSupport::makeVolume(3, 3, 6, [](uint32_t x, uint32_t y, uint32_t z) {
        return z == 0 || (x + y + z) % 3 == 0 ? x + 1 : 0u;
    }));
    const auto original = volume->materialIds();
    start();
    const auto afterFirst = volume->materialIds();
    start(4);
    const auto afterSecond = volume->materialIds();
    ASSERT_NE(original, afterFirst);
    for (uint32_t z = 1; z < 6; ++z)
        EXPECT_EQ(afterSecond[z], z == 3 ? 1u : z < 4 ? 9u : 0u) << z;

    for (const auto *expected : {&afterFirst, &original}) {
        workspace.undo();
        EXPECT_EQ(volume->materialIds(), *expected);
    }
    for (const auto *expected : {&afterFirst, &afterSecond}) {
        workspace.redo();
        EXPECT_EQ(volume->materialIds(), *expected);
    }
}

TEST_F(CellProcessOperationTest, AStepWritesOnlyTheCellsItChanged)
{
    auto volume = add(TestSupport::makeRandomVolume(40, 40, 40, {1, 3, 4, 9, 16}, 0.2, 7));
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
    start();
    workspace.currentOperation()->finish();
    EXPECT_EQ(harness.lastMessage(), "Fill: Operation canceled.");
    add(TestSupport::makeSlab(2, 2, 2, 1));
    add(TestSupport::makeSlab(2, 2, 2, 1));
    start();
    workspace.cancelCurrent();
    EXPECT_EQ(harness.lastMessage(), "Fill: Operation canceled.");
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    EXPECT_FALSE(workspace.getUndoRedoStacks().canUndo());
}

} // namespace
