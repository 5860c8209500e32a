#include "Support/PersistenceTestSupport.h"
#include "Support/WorkspaceHarness.h"

#include "Core/Operations/SelectVolumes/SelectVolumesOperation.h"

#include <gtest/gtest.h>

using Core::Operations::SelectVolumesOperation;

namespace {

constexpr uint32_t kBatchRun = 24;
const std::string kPrompt =
    "Select volumes: Select a cell volume and press Enter/Return. To start without a cell "
    "volume type N and press Enter/Return.";

class SelectVolumes : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.factory->makers[kBatchRun] = [this] {
            auto operation = std::make_shared<SelectVolumesOperation>(workspace);
            operation->addObserver(std::make_shared<TestSupport::CallbackObserver>([this] {
                auto current =
                    std::dynamic_pointer_cast<SelectVolumesOperation>(workspace.currentOperation());
                ASSERT_NE(current, nullptr);
                dialogs.push_back(current->getVolume());
            }));
            return operation;
        };
    }

    void select(const std::shared_ptr<Model::Object> &object) { workspace.getSelection().toggle(object); }

    TestSupport::WorkspaceHarness harness;
    Core::Workspace &workspace = harness.workspace;
    std::vector<std::shared_ptr<Model::Automaton::TotalVolume>> dialogs;
};

} // namespace

TEST_F(SelectVolumes, TheLastSelectedVolumeOpensTheDialogAtOnce)
{
    const auto first = PersistenceTest::randomVolume(2, 2, 2, 1);
    const auto second = PersistenceTest::randomVolume(2, 2, 2, 2);
    workspace.getScene().addObject(first);
    workspace.getScene().addObject(second);
    select(first);
    select(second);
    workspace.activate(kBatchRun);
    EXPECT_EQ(dialogs, std::vector<std::shared_ptr<Model::Automaton::TotalVolume>>{second});
    EXPECT_EQ(harness.log->lines, std::vector<std::string>{"Select volumes: Cell volume selected."});
    EXPECT_TRUE(workspace.getSelection().getObjects().empty());
    EXPECT_FALSE(workspace.getSelection().getMode());
    EXPECT_EQ(workspace.currentOperation(), nullptr);
}

TEST_F(SelectVolumes, OtherAnswersPromptAgainUntilAVolumeIsPickedOrNStartsWithoutOne)
{
    const auto volume = PersistenceTest::randomVolume(2, 2, 2, 3);
    workspace.getScene().addObject(volume);
    workspace.activate(kBatchRun);
    EXPECT_TRUE(workspace.getSelection().getMode());
    workspace.getCommandInterpreter().interpret("yes");
    workspace.getCommandInterpreter().interpret("");
    EXPECT_EQ(harness.log->lines, std::vector<std::string>(3, kPrompt));
    EXPECT_TRUE(dialogs.empty());
    select(volume);
    workspace.getCommandInterpreter().interpret("");
    EXPECT_EQ(dialogs, std::vector<std::shared_ptr<Model::Automaton::TotalVolume>>{volume});

    workspace.activate(kBatchRun);
    workspace.getCommandInterpreter().interpret("no thanks");
    EXPECT_EQ(dialogs.back(), nullptr);
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    // Escape ends the operation without a dialog.
    workspace.activate(kBatchRun);
    workspace.cancelCurrent();
    EXPECT_EQ(workspace.currentOperation(), nullptr);
    workspace.getCommandInterpreter().interpret("n");
    EXPECT_EQ(dialogs.size(), 2u);
}
