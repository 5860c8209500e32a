#include "Support/DialogDrivers.h"
#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Model/Persistence/ProcessListWriter.h"
#include "UI/BatchRun/RunProcessesDialog.h"

namespace {

// What the batch dialog showed when it opened; it is closed at once.
struct OpenedDialog {
    bool opened = false;
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    size_t entries = 0;
};

OpenedDialog afterBatchDialog(const std::function<void()> &open)
{
    OpenedDialog seen;
    TestSupport::answerNextDialog<Ui::RunProcessesDialog>(
        [&seen](Ui::RunProcessesDialog &dialog) {
            seen = {true, dialog.getCurrentVolume(), dialog.getProcessList().size()};
        },
        false);
    open();
    return seen;
}

using BatchRunFromMainWindow = TestSupport::MainWindowFixture;

} // namespace

TEST_F(BatchRunFromMainWindow, BatchRunOpensTheDialogOnTheSelectedVolume)
{
    auto volume = PersistenceTest::randomVolume(3, 3, 3, 4);
    workspace().getScene().addObject(volume);
    workspace().getSelection().toggle(volume);
    const OpenedDialog seen = afterBatchDialog([this] { window->action("actionBatch_Run")->trigger(); });
    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.volume, volume);
    EXPECT_EQ(workspace().currentOperation(), nullptr);
}

TEST_F(BatchRunFromMainWindow, OpenProcessListOpensTheDialogWithTheList)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.plst"));
    ASSERT_TRUE(Model::Persistence::ProcessListWriter::save(
        path, {Core::Batch::ProcessEntries::cvd(3, 1),
               Core::Batch::ProcessEntries::saveImage(QStringLiteral("a.png"))}));
    OpenedDialog seen = afterBatchDialog([&] { window->getPresenter().runProcessList(path); });
    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.entries, 2u);
    EXPECT_EQ(seen.volume, nullptr);
    seen = afterBatchDialog([&] { window->getPresenter().runProcessList(QString()); });
    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.entries, 0u);
}
