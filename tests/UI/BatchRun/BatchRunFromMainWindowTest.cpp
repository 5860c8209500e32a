#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Model/Persistence/ProcessListWriter.h"
#include "UI/BatchRun/RunProcessesDialog.h"
#include "UI/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// What the batch dialog showed when it opened; it is closed at once.
struct OpenedDialog {
    bool opened = false;
    std::shared_ptr<Model::Automaton::TotalVolume> volume;
    size_t entries = 0;
};

void watchForBatchDialog(OpenedDialog &seen)
{
    QTimer::singleShot(0, [&seen] {
        auto *dialog = qobject_cast<Ui::RunProcessesDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen = {true, dialog->getCurrentVolume(), dialog->getProcessList().size()};
        dialog->reject();
    });
}

class BatchRunFromMainWindow : public ::testing::Test {
protected:
    BatchRunFromMainWindow() { PersistenceTest::resetCatalogue(); }
    ~BatchRunFromMainWindow() override { window->close(); }

    Ui::MainWindow *window = new Ui::MainWindow;
};

} // namespace

TEST_F(BatchRunFromMainWindow, BatchRunOpensTheDialogOnTheSelectedVolume)
{
    auto volume = PersistenceTest::randomVolume(3, 3, 3, 4);
    window->getPresenter().getScene().addObject(volume);
    window->getPresenter().getSelection().toggle(volume);
    OpenedDialog seen;
    watchForBatchDialog(seen);
    window->action("actionBatch_Run")->trigger();
    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.volume, volume);
    EXPECT_EQ(window->getPresenter().getWorkspace().currentOperation(), nullptr);
}

TEST_F(BatchRunFromMainWindow, OpenProcessListOpensTheDialogWithTheList)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("list.plst"));
    ASSERT_TRUE(Model::Persistence::ProcessListWriter::save(
        path, {Core::Batch::ProcessEntries::cvd(3, 1),
               Core::Batch::ProcessEntries::saveImage(QStringLiteral("a.png"))}));
    OpenedDialog seen;
    watchForBatchDialog(seen);
    window->getPresenter().runProcessList(path);
    EXPECT_TRUE(seen.opened);
    EXPECT_EQ(seen.entries, 2u);
    EXPECT_EQ(seen.volume, nullptr);

    OpenedDialog empty;
    watchForBatchDialog(empty);
    window->getPresenter().runProcessList(QString());
    EXPECT_TRUE(empty.opened);
    EXPECT_EQ(empty.entries, 0u);
}
