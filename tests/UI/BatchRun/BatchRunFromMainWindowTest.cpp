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

// Batch Run opens the dialog on the selected volume; Open Process List opens it with the list
// read from the file, or empty without one.
TEST_F(BatchRunFromMainWindow, BatchRunAndOpenProcessListOpenTheDialog)
{
    auto volume = PersistenceTest::randomVolume(3, 3, 3, 4);
    workspace().getScene().addObject(volume);
    workspace().getSelection().toggle(volume);
    OpenedDialog seen = afterBatchDialog([this] { window->action("actionBatch_Run")->trigger(); });
    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.volume, volume);
    EXPECT_EQ(workspace().currentOperation(), nullptr);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.plst"));
    ASSERT_TRUE(Model::Persistence::ProcessListWriter::save(
        path, {Core::Batch::ProcessEntries::cvd(3, 1),
               Core::Batch::ProcessEntries::saveImage(QStringLiteral("a.png"))}));
    seen = afterBatchDialog([&] { window->getPresenter().runProcessList(path); });
    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.entries, 2u);
    seen = afterBatchDialog([&] { window->getPresenter().runProcessList(QString()); });
    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.entries, 0u);
}
