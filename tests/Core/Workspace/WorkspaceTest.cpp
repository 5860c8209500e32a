#include "Support/OperationTestSupport.h"
#include "Support/RecordingOperation.h"
#include "Support/Volumes.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

using TestSupport::CountingObserver;
using TestSupport::RecordingOperation;

namespace {

class WorkspaceTest : public ::testing::Test {
protected:
    WorkspaceTest()
    {
        useNumberedOperations();
        workspace.setOperationFactory(factory);
        workspace.getUndoRedoStacks().addUndoObserver(undoObserver);
        workspace.getUndoRedoStacks().addRedoObserver(redoObserver);
        workspace.addViewUpdateObserver(redraws);
    }

    // Ids 1 to 9 build recording operations named after their id.
    void useNumberedOperations()
    {
        for (uint32_t id = 1; id < 10; ++id)
            factory->makers[id] = [this, id] {
                return std::make_shared<RecordingOperation>(workspace, "Op" + std::to_string(id), log);
            };
    }

    // Makes an operation current and finishes it with an undo entry.
    std::shared_ptr<RecordingOperation> finishedOperation(const std::string &name, int undoResult = 1)
    {
        auto operation = std::make_shared<RecordingOperation>(workspace, name, log, undoResult);
        factory->makers[5] = [operation] { return operation; };
        workspace.activate(5);
        workspace.finishWithUndo();
        useNumberedOperations();
        log.clear();
        return operation;
    }

    Core::Workspace workspace;
    std::vector<std::string> log;
    std::shared_ptr<TestSupport::MakerFactory> factory = std::make_shared<TestSupport::MakerFactory>();
    std::shared_ptr<CountingObserver> undoObserver = std::make_shared<CountingObserver>();
    std::shared_ptr<CountingObserver> redoObserver = std::make_shared<CountingObserver>();
    std::shared_ptr<CountingObserver> redraws = std::make_shared<CountingObserver>();
};

TEST_F(WorkspaceTest, ActivatingCancelsTheWaitingOperationBeforeTheNewOneRuns)
{
    workspace.activate(1);
    workspace.getCommandInterpreter().requestEnter(workspace.currentOperation().get());
    workspace.activate(2);
    EXPECT_EQ(log, (std::vector<std::string>{"Op1.execute", "Op1.cancel", "Op2.execute"}));
    EXPECT_EQ(workspace.currentOperation()->getName(), "Op2");
    // The cancelled operation no longer receives input.
    EXPECT_EQ(workspace.getCommandInterpreter().getRequester(), nullptr);
}

TEST_F(WorkspaceTest, UnknownIdsAndEmptyStacksDoNothing)
{
    auto messages = std::make_shared<CountingObserver>();
    workspace.getCommandInterpreter().addMessageObserver(messages);
    workspace.activate(0);
    workspace.activate(1001);
    workspace.undo();
    workspace.redo();
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    EXPECT_EQ(messages->count, 0);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(undoObserver->count, 0);
}

TEST_F(WorkspaceTest, FinishingPushesObjectOperationsAndClearsRedoAndAFailedUndoKeepsThem)
{
    auto first = finishedOperation("First");
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    EXPECT_EQ(workspace.getUndoRedoStacks().undoName(), "First");
    workspace.undo();
    EXPECT_EQ(workspace.getUndoRedoStacks().redoName(), "First");
    finishedOperation("Second");
    EXPECT_EQ(workspace.getUndoRedoStacks().redoCount(), 0u) << "a new entry clears the redo stack";
    EXPECT_EQ(workspace.getUndoRedoStacks().undoName(), "Second");

    // An undo that fails leaves both stacks as they were.
    finishedOperation("Stubborn", 0);
    workspace.undo();
    EXPECT_EQ(workspace.getUndoRedoStacks().undoName(), "Stubborn");
    EXPECT_EQ(workspace.getUndoRedoStacks().redoCount(), 0u);
}

TEST_F(WorkspaceTest, UndoAndRedoMoveOperationsBetweenStacksAndCancelTheCurrentOne)
{
    finishedOperation("A");
    workspace.activate(7);
    log.clear();
    undoObserver->count = redoObserver->count = 0;

    workspace.undo();
    EXPECT_EQ(log, (std::vector<std::string>{"Op7.cancel", "A.undo"}));
    EXPECT_EQ(workspace.getUndoRedoStacks().undoCount(), 0u);
    EXPECT_EQ(workspace.getUndoRedoStacks().redoCount(), 1u);
    EXPECT_EQ(undoObserver->count, 1);
    EXPECT_EQ(redoObserver->count, 1);

    log.clear();
    workspace.redo();
    // The cancelled operation stays current (inert) until something replaces it.
    EXPECT_EQ(log, (std::vector<std::string>{"Op7.cancel", "A.redo"}));
    EXPECT_EQ(workspace.getUndoRedoStacks().undoName(), "A");
    EXPECT_EQ(workspace.getUndoRedoStacks().redoCount(), 0u);
    EXPECT_EQ(undoObserver->count, 2);
    EXPECT_EQ(redoObserver->count, 2);
}

TEST_F(WorkspaceTest, NewDocumentEmptiesSceneStacksAndRecords)
{
    auto volume = TestSupport::makeSlab(2, 2, 2, 1);
    workspace.getScene().addObject(volume);
    workspace.getScene().setFileName("old.cfb");
    workspace.getVolumeRecords().setLastProcess(volume->getObjectId(), 13);
    finishedOperation("A");
    workspace.getSelection().toggle(volume);
    workspace.activate(3);

    workspace.newDocument();
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    EXPECT_EQ(workspace.getScene().objectCount(), 0u);
    EXPECT_EQ(workspace.getScene().getFileName(), "");
    EXPECT_FALSE(workspace.getUndoRedoStacks().canUndo());
    EXPECT_TRUE(workspace.getSelection().getObjects().empty());
    EXPECT_FALSE(volume->isSelected());
    EXPECT_FALSE(workspace.getVolumeRecords().getLastProcess(volume->getObjectId()));
}

TEST_F(WorkspaceTest, SelectionTogglesAndModeOffClearsIt)
{
    auto a = TestSupport::makeSlab(1, 1, 1, 1);
    auto b = TestSupport::makeSlab(1, 1, 1, 1);
    auto &selection = workspace.getSelection();
    auto modeObserver = std::make_shared<CountingObserver>();
    selection.addModeObserver(modeObserver);
    selection.setMode(true);
    selection.toggle(a);
    selection.toggle(b);
    selection.toggle(a);
    EXPECT_EQ(workspace.getPickState().getSelectedObjects(), std::vector<std::shared_ptr<Model::Object>>{b});
    EXPECT_FALSE(a->isSelected());
    EXPECT_TRUE(b->isSelected());
    selection.setMode(true);
    EXPECT_EQ(modeObserver->count, 1) << "no notification without a change";
    selection.setMode(false);
    EXPECT_EQ(modeObserver->count, 2);
    EXPECT_TRUE(workspace.getPickState().getSelectedObjects().empty());
    EXPECT_FALSE(b->isSelected());
}

TEST(ScratchFilesTest, CreatedEmptyAndRemovedWithTheWorkspace)
{
    QString undo, redo;
    {
        Core::Workspace workspace;
        undo = workspace.getArchiveRegistry().getUndoHistory().getPath();
        redo = workspace.getArchiveRegistry().getRedoHistory().getPath();
        ASSERT_FALSE(undo.isEmpty());
        EXPECT_NE(undo, redo);
        EXPECT_EQ(QFileInfo(undo).size(), 0);
        Core::Workspace second;
        EXPECT_NE(second.getArchiveRegistry().getUndoHistory().getPath(), undo);
    }
    EXPECT_FALSE(QFile::exists(undo));
    EXPECT_FALSE(QFile::exists(redo));
}

} // namespace
