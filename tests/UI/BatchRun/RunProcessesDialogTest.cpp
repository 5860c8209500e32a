#include "Support/BatchTestSupport.h"
#include "Support/DialogDrivers.h"
#include "Support/ModalBoxWatcher.h"
#include "Support/OperationTestSupport.h"
#include "Support/PersistenceTestSupport.h"

#include "Core/Batch/ProcessEntries.h"
#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Persistence/ProcessListWriter.h"
#include "UI/BatchRun/MoveTo.h"
#include "UI/BatchRun/ProcessStepEditor.h"
#include "UI/BatchRun/RunProcessesDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QThread>
#include <QTreeWidget>

#include <gtest/gtest.h>

using Core::Batch::ProcessEntries;
using Ui::ProcessData;

namespace {

Core::Operations::SubstrateDescription substrate()
{
    auto d = BatchTest::slabSubstrate(6, 6, 8, 3);
    d.position = Util::Vector3D(1, 2, 3);
    return d;
}

class RunProcessesDialogTest : public PersistenceTest::CatalogueTest {
protected:
    QPushButton *button(const char *name) { return dialog->findChild<QPushButton *>(name); }
    QTreeWidget *tree() { return dialog->tree(); }
    QProgressBar *progress() { return dialog->findChild<QProgressBar *>(QStringLiteral("progressBar")); }

    std::vector<uint32_t> types() const
    {
        std::vector<uint32_t> result;
        for (const auto &entry : dialog->getProcessList())
            result.push_back(entry.getProcessType());
        return result;
    }

    void select(int index) { tree()->setCurrentItem(tree()->topLevelItem(index)); }

    // Runs the list and waits until the run and its end-of-run update are over.
    void runAndWait()
    {
        button("btnRun")->click();
        ASSERT_TRUE(QTest::qWaitFor([this] { return !dialog->isRunning(); }, 20000));
        QTest::qWait(700);
    }

    Core::Workspace workspace;
    std::unique_ptr<Ui::RunProcessesDialog> dialog =
        std::make_unique<Ui::RunProcessesDialog>(nullptr, nullptr, workspace);
};

} // namespace

TEST_F(RunProcessesDialogTest, TreeShowsEntriesTheirVisibleParametersAndExpandedFlags)
{
    dialog->setProcessList({ProcessEntries::createSubstrate(substrate()), ProcessEntries::cvd(3, 2.5)});
    ASSERT_EQ(tree()->topLevelItemCount(), 2);
    QTreeWidgetItem *first = tree()->topLevelItem(0);
    // Visible parameters only, by name: the corner comes first, the volume sizes last.
    ASSERT_EQ(first->childCount(), 11);
    EXPECT_EQ(first->child(0)->text(3), QStringLiteral("1; 2; 3"));
    EXPECT_FALSE(first->child(1)->icon(3).isNull()) << "a material shows its colour";
    QTreeWidgetItem *cvd = tree()->topLevelItem(1);
    EXPECT_EQ(cvd->child(1)->text(3), QStringLiteral("2.5"));

    // An entry's expanded flag follows its tree item and survives the rebuild after a move.
    ProcessData expanded = ProcessEntries::cvd(3, 1);
    expanded.setExpanded(true);
    dialog->setProcessList({expanded, ProcessEntries::cvd(4, 1)});
    EXPECT_TRUE(tree()->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(tree()->topLevelItem(1)->isExpanded());
    tree()->topLevelItem(1)->setExpanded(true);
    tree()->topLevelItem(0)->setExpanded(false);
    EXPECT_FALSE(dialog->getProcessList()[0].isExpanded());
    EXPECT_TRUE(dialog->getProcessList()[1].isExpanded());
    select(1);
    button("btnMoveUp")->click();
    EXPECT_TRUE(tree()->topLevelItem(0)->isExpanded());
}

TEST_F(RunProcessesDialogTest, MoveAndRemoveActOnTheSelectedEntry)
{
    dialog->setProcessList({ProcessData(4), ProcessData(5), ProcessData(16)});
    EXPECT_FALSE(button("btnRemoveProcess")->isEnabled());
    select(2);
    EXPECT_FALSE(button("btnMoveDown")->isEnabled());
    button("btnMoveUp")->click();
    EXPECT_EQ(types(), (std::vector<uint32_t>{4, 16, 5}));
    button("btnMoveUp")->click();
    EXPECT_EQ(types(), (std::vector<uint32_t>{16, 4, 5}));
    EXPECT_FALSE(button("btnMoveUp")->isEnabled());
    button("btnMoveDown")->click();
    EXPECT_EQ(types(), (std::vector<uint32_t>{4, 16, 5}));
    // Selecting a parameter row acts on its entry.
    dialog->setProcessList({ProcessEntries::cvd(3, 1), ProcessData(5)});
    tree()->setCurrentItem(tree()->topLevelItem(0)->child(0));
    button("btnRemoveProcess")->click();
    EXPECT_EQ(types(), std::vector<uint32_t>{5});
    EXPECT_EQ(tree()->topLevelItem(0)->text(0), QStringLiteral("1"));

    // Move To asks for the position, from 1 to the list's length.
    dialog->setProcessList({ProcessData(4), ProcessData(5), ProcessData(16), ProcessData(10)});
    select(0);
    TestSupport::answerNextDialog<UtilDialog::MoveTo>([](UtilDialog::MoveTo &moveTo) {
        auto *position = moveTo.findChild<QSpinBox *>(QStringLiteral("sbxPosition"));
        EXPECT_EQ(position->maximum(), 4);
        EXPECT_EQ(position->value(), 1);
        position->setValue(3);
    });
    button("btnMoveTo")->click();
    EXPECT_EQ(types(), (std::vector<uint32_t>{5, 16, 4, 10}));
    EXPECT_EQ(tree()->currentItem(), tree()->topLevelItem(2));
}

// New List asks before dropping entries: Cancel keeps them, and so does a Save that fails;
// Discard drops them; an empty list is replaced without asking. Save As adds the suffix.
TEST_F(RunProcessesDialogTest, NewListAsksBeforeDroppingEntriesAndSaveAsAddsTheSuffix)
{
    auto folder = std::make_unique<QTemporaryDir>();
    dialog->setProcessList({ProcessEntries::saveImage(QStringLiteral("a.png"))});
    {
        FileDialogAnswer answer(folder->filePath(QStringLiteral("steps")));
        button("btnSaveListAs")->click();
    }
    const QString path = folder->filePath(QStringLiteral("steps.plst"));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(dialog->getListFileName(), path);
    {
        ModalBoxWatcher cancel(QMessageBox::Cancel);
        button("btnNewList")->click();
        EXPECT_EQ(cancel.texts, QStringList{QStringLiteral("Creating a new process list.")});
    }
    folder.reset(); // the list's folder is gone, so saving it fails
    {
        ModalBoxWatcher save(QMessageBox::Save);
        button("btnNewList")->click();
        EXPECT_EQ(save.titles.size(), 2) << "the question, then the error";
    }
    EXPECT_EQ(types(), std::vector<uint32_t>{10});
    {
        ModalBoxWatcher discard(QMessageBox::Discard);
        button("btnNewList")->click();
    }
    EXPECT_TRUE(dialog->getProcessList().empty());
    EXPECT_EQ(tree()->topLevelItemCount(), 0);
    ModalBoxWatcher none;
    button("btnNewList")->click();
    EXPECT_TRUE(none.titles.isEmpty());
}

// Modify with the real editors: materials the process would not offer stay as the step stored
// them, with their stored names.
TEST_F(RunProcessesDialogTest, ModifyKeepsTheStoredMaterials)
{
    ProcessData renamed = ProcessEntries::isotropicDeposition(2500, 1.5);
    renamed.setProcessParameter(QStringLiteral("Material"), QStringLiteral("Oxide X"), true);
    renamed.setProcessParameter(QStringLiteral("Material_Color"), QColor(1, 2, 3), false);
    const std::vector<ProcessData> entries = {ProcessEntries::cvd(4, 2),
                                              ProcessEntries::isotropicEtching(16, 3), renamed};
    dialog->setProcessList(entries);
    for (int i = 0; i < 3; ++i) {
        select(i);
        TestSupport::answerNextDialog();
        button("btnModify")->click();
        EXPECT_TRUE(dialog->getProcessList()[size_t(i)].hasSameContents(entries[size_t(i)])) << i;
    }
}

// Add and a double click go through the type's editor; a cancelled one adds nothing.
TEST_F(RunProcessesDialogTest, AddAndModifyGoThroughTheProcessEditor)
{
    const auto thickness = [](double value) {
        return [value](QDialog &dialog) { dialog.findChildren<QDoubleSpinBox *>().front()->setValue(value); };
    };
    auto *combo = dialog->findChild<QComboBox *>(QStringLiteral("cbxProcesses"));
    combo->setCurrentIndex(combo->findData(4u));
    TestSupport::answerNextDialog<QDialog>(thickness(2), false);
    button("btnAddProcess")->click();
    EXPECT_TRUE(dialog->getProcessList().empty());
    TestSupport::answerNextDialog<QDialog>(thickness(2));
    button("btnAddProcess")->click();
    ASSERT_EQ(dialog->getProcessList().size(), 1u);
    TestSupport::answerNextDialog<QDialog>(thickness(3));
    emit tree()->itemDoubleClicked(tree()->topLevelItem(0), 1);
    EXPECT_EQ(dialog->getProcessList()[0].getProcessParameter(QStringLiteral("Thickness")).toDouble(), 3.0);
}

// A run without a volume creates the substrate and saves images on the user interface thread.
// Its steps keep no undo entries, so an undone operation cannot be redone over them.
TEST_F(RunProcessesDialogTest, ARunDropsTheRedoHistory)
{
    workspace.getUndoRedoStacks().push(
        std::make_shared<Core::Operations::CreateSubstrateOperation>(workspace));
    workspace.undo();
    auto redoHeard = std::make_shared<TestSupport::CountingObserver>();
    workspace.getUndoRedoStacks().addRedoObserver(redoHeard);
    QStringList images;
    bool onUiThread = true;
    dialog->setImageSaver([&](const QString &file) {
        images << file;
        onUiThread = onUiThread && QThread::currentThread() == dialog->thread();
        // The run is in progress: closing is refused.
        dialog->reject();
        EXPECT_TRUE(dialog->isRunning());
        EXPECT_EQ(dialog->result(), 0);
    });
    dialog->setProcessList({ProcessEntries::createSubstrate(substrate()), ProcessEntries::cvd(3, 1),
                            ProcessEntries::saveImage(QStringLiteral("shot.png"))});
    ModalBoxWatcher boxes;
    runAndWait();
    EXPECT_FALSE(workspace.getUndoRedoStacks().canRedo());
    EXPECT_EQ(redoHeard->count, 1);
    EXPECT_TRUE(boxes.titles.isEmpty());
    ASSERT_EQ(workspace.getScene().getCellVolumes().size(), 1u);
    EXPECT_EQ(dialog->getCurrentVolume(), workspace.getScene().getCellVolumes().front());
    EXPECT_EQ(images, QStringList{QStringLiteral("shot.png")});
    EXPECT_TRUE(onUiThread);
    EXPECT_EQ(progress()->value(), 0);
    EXPECT_EQ(progress()->maximum(), 3);
    const auto ids = dialog->getCurrentVolume()->materialIds();
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 3u), 36);
}

TEST_F(RunProcessesDialogTest, AMissingVolumeStopsTheRunWithItsMessage)
{
    dialog->setProcessList({ProcessEntries::cvd(3, 1)});
    ModalBoxWatcher boxes;
    runAndWait();
    EXPECT_EQ(boxes.titles, QStringList{QStringLiteral("Missing Cell Volume")});
    EXPECT_EQ(progress()->value(), 0); // what the run leaves: ProcessListRunning's test
}

TEST_F(RunProcessesDialogTest, SavedListLoadsIntoAnotherDialogAndBadListsAreReported)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("flow.plst"));
    dialog->setProcessList(
        {ProcessEntries::createSubstrate(substrate()), ProcessEntries::isotropicEtching(1, 2)});
    ASSERT_TRUE(dialog->saveList(path));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Batch Run ") + path);

    Ui::RunProcessesDialog other(nullptr, nullptr, workspace);
    ASSERT_TRUE(other.loadList(path));
    EXPECT_EQ(other.getProcessList().size(), 2u); // entry by entry: ProcessListFormat's test
    EXPECT_EQ(other.tree()->topLevelItemCount(), 2);
    EXPECT_EQ(other.getListFileName(), path);

    // An unreadable list is reported and the list shown is kept.
    ModalBoxWatcher boxes;
    EXPECT_FALSE(other.loadList(
        PersistenceTest::writeFile(folder.filePath(QStringLiteral("broken.plst")), "<Process-Li")));
    EXPECT_EQ(boxes.titles.size(), 1);
    EXPECT_EQ(other.getProcessList().size(), 2u);
    EXPECT_EQ(other.getListFileName(), path);
}
