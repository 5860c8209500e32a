#include "Support/Volumes.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/ObjectEditing/CopyObject.h"
#include "Core/Operations/ObjectEditing/DeleteObject.h"
#include "Core/Operations/ObjectEditing/MoveObject.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Core::Operations;
using namespace TestSupport;

namespace {

using Objects = std::vector<std::shared_ptr<Model::Object>>;

class ObjectEditingTest : public ::testing::Test {
protected:
    ObjectEditingTest()
    {
        harness.factory->makers[1] = [this] { return std::make_shared<CopyObject>(workspace); };
        harness.factory->makers[4] = [this] { return std::make_shared<DeleteObject>(workspace); };
        harness.factory->makers[7] = [this] { return std::make_shared<MoveObject>(workspace); };
        for (const auto &volume : {first, second})
            workspace.getScene().addObject(volume);
    }

    void type(const std::string &line) { workspace.getCommandInterpreter().interpret(line); }
    long count(const std::string &line) const { return std::count(log().begin(), log().end(), line); }
    const std::vector<std::string> &log() const { return harness.log->lines; }
    Objects scene() const { return workspace.getScene().getObjects(); }

    WorkspaceHarness harness;
    Core::Workspace &workspace = harness.workspace;
    std::shared_ptr<TotalVolume> first = makeSlab(3, 3, 3, 1);
    std::shared_ptr<TotalVolume> second = makeSlab(2, 2, 2, 2);
};

} // namespace

TEST_F(ObjectEditingTest, TypedMoveTranslatesAtOnceAndUndoMovesBack)
{
    workspace.getSelection().toggle(first);
    workspace.activate(7);
    EXPECT_EQ(harness.lastMessage(), "Move: Left click or enter the distance into the console (x, y, z):");
    EXPECT_TRUE(first->isPreview());
    // Not three numbers: refused, and the prompt stays.
    type("4, 5");
    EXPECT_EQ(harness.lastMessage(), "Invalid entry. Enter the x, y, z coordinates.");
    EXPECT_EQ(first->getPosition(), Util::Vector3D());
    type("4, -5 ,0.5");
    EXPECT_EQ(harness.lastMessage(), "Move: Object(s) moved");
    EXPECT_EQ(first->getPosition(), Util::Vector3D(4, -5, 0.5));
    EXPECT_FALSE(first->isPreview());
    EXPECT_EQ(second->getPosition(), Util::Vector3D());
    EXPECT_EQ(workspace.getUndoRedoStacks().undoName(), "Move Objects");
    workspace.undo();
    EXPECT_EQ(first->getPosition(), Util::Vector3D());
    workspace.redo();
    EXPECT_EQ(first->getPosition(), Util::Vector3D(4, -5, 0.5));
}

TEST_F(ObjectEditingTest, EscapeDuringMoveCancelsWithThePreviewCleared)
{
    workspace.getSelection().toggle(first);
    workspace.activate(7);
    // The view's first click gives the origin; then the mouse drags the preview.
    const auto clicked = workspace.getPickState().getFeedback();
    ASSERT_TRUE(clicked.destination && clicked.trackingMode);
    *clicked.destination = Util::Vector3D(1, 1, 1);
    *clicked.trackingMode = 0;
    workspace.currentOperation()->execute();
    EXPECT_EQ(harness.lastMessage(), "Move: Left click on destination.");
    const auto tracking = workspace.getPickState().getFeedback();
    ASSERT_TRUE(tracking.origin && tracking.destination);
    EXPECT_EQ(*tracking.origin, Util::Vector3D(1, 1, 1));
    *tracking.destination = Util::Vector3D(3, 1, 1);
    workspace.currentOperation()->execute();
    EXPECT_EQ(first->getPreviewOffset(), Util::Vector3D(2, 0, 0));

    workspace.cancelCurrent();
    EXPECT_EQ(harness.lastMessage(), "Move: Operation canceled");
    EXPECT_FALSE(first->isPreview());
    EXPECT_EQ(first->getPreviewOffset(), Util::Vector3D());
    EXPECT_FALSE(workspace.getPickState().getFeedback().destination);
    EXPECT_EQ(first->getPosition(), Util::Vector3D());
    // The cancelled Move stays current, inert, and says so once more when replaced.
    workspace.activate(4);
    EXPECT_EQ(count("Move: Operation canceled"), 2);
    EXPECT_EQ(workspace.getUndoRedoStacks().undoCount(), 0u);
}

TEST_F(ObjectEditingTest, DeleteKeepsPromptingUntilSomethingIsSelectedAndUndoRestoresIt)
{
    workspace.activate(4);
    type("");
    EXPECT_EQ(count("Delete: Select the objects to be deleted and press Return/Enter"), 2);
    EXPECT_TRUE(workspace.getSelection().getMode());
    EXPECT_EQ(scene().size(), 2u);
    workspace.getSelection().toggle(second);
    type("");
    EXPECT_EQ(harness.lastMessage(), "Delete: objects deleted.");
    EXPECT_EQ(scene(), (Objects{first}));
    EXPECT_TRUE(workspace.getPickState().getSelectedObjects().empty());
    workspace.undo();
    EXPECT_EQ(scene(), (Objects{first, second}));
    workspace.redo();
    EXPECT_EQ(scene(), (Objects{first}));
}

TEST_F(ObjectEditingTest, CopyPlacesClonesAndItsUndoRemovesOnlyThem)
{
    first->translate(Util::Vector3D(1, 2, 3));
    workspace.getSelection().toggle(first);
    workspace.getSelection().toggle(second);
    workspace.activate(1);
    EXPECT_EQ(workspace.getPickState().getPreviewObjects().size(), 2u);
    type("10, 0, -1");
    EXPECT_EQ(harness.lastMessage(), "Copy: Object(s) copied");
    const Objects objects = scene();
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(first->getPosition(), Util::Vector3D(1, 2, 3));
    const auto copy = std::dynamic_pointer_cast<TotalVolume>(objects[2]);
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->getPosition(), Util::Vector3D(11, 2, 2));
    EXPECT_EQ(copy->materialIds(), first->materialIds());
    EXPECT_FALSE(copy->isPreview());
    EXPECT_TRUE(workspace.getPickState().getPreviewObjects().empty());
    workspace.undo();
    EXPECT_EQ(scene(), (Objects{first, second}));
    workspace.redo();
    EXPECT_EQ(scene(), objects);
}

TEST_F(ObjectEditingTest, MoveWithoutSelectionWaitsForOne)
{
    workspace.activate(7);
    EXPECT_EQ(harness.lastMessage(), "Move: Select the object(s) to be copied and press Enter/Return.");
    workspace.getSelection().toggle(second);
    type("");
    type("0, 0, 7");
    EXPECT_EQ(second->getPosition(), Util::Vector3D(0, 0, 7));
}
