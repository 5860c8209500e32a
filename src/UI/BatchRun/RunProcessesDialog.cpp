#include "UI/BatchRun/RunProcessesDialog.h"

#include "Core/Batch/ProcessListRun.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Persistence/MaterialParameters.h"
#include "Model/Persistence/ProcessListReader.h"
#include "Model/Persistence/ProcessListWriter.h"
#include "Model/Persistence/ProcessTypeNames.h"
#include "UI/BatchRun/MoveTo.h"
#include "UI/BatchRun/ProcessStepEditor.h"
#include "UI/BatchRun/ProcessTree.h"
#include "UI/Input/SaveFileName.h"
#include "UI/Observers/MaterialConflictObserver.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QtConcurrent>

namespace Ui {
namespace {

const QString kListFilter = QStringLiteral("Process List (*.plst)");
const QString kListDialogTitle = QStringLiteral("Process List File");
constexpr int kProgressInterval = 500; // ms
constexpr uint32_t kPhotolithography = 0;

} // namespace

RunProcessesDialog::RunProcessesDialog(QWidget *parent, std::shared_ptr<Model::Automaton::TotalVolume> volume,
                                       Core::Workspace &workspace)
    : QDialog(parent), workspace(workspace),
      context(workspace.getScene(), workspace.getVolumeRecords(), std::move(volume))
{
    form.setup(this);
    baseTitle = windowTitle();
    runPool.setMaxThreadCount(1);
    progressTimer.setInterval(kProgressInterval);
    connect(&progressTimer, &QTimer::timeout, this, &RunProcessesDialog::updateProgress);
    connect(form.treeWidget, &QTreeWidget::itemSelectionChanged, this, &RunProcessesDialog::selectionChanged);
    context.setImageSaver([this](const QString &filename) { saveImageFromWorker(filename); });
    QMetaObject::connectSlotsByName(this);
    rebuildTree();
}

RunProcessesDialog::~RunProcessesDialog()
{
    runPool.waitForDone();
}

bool RunProcessesDialog::isRunning() const
{
    if (!runLock.tryAcquire())
        return true;
    runLock.release();
    return false;
}

void RunProcessesDialog::setProcessList(std::vector<Ui::ProcessData> list)
{
    entries = std::move(list);
    rebuildTree();
}

bool RunProcessesDialog::loadList(const QString &path)
{
    Observers::MaterialConflictObserver resolver(this);
    Model::Persistence::ProcessListReader reader(&resolver);
    auto result = reader.load(path);
    if (result.status != Model::Persistence::ProcessListReader::Status::Done) {
        QMessageBox::warning(this, QStringLiteral("Error reading from file"), result.error);
        return false;
    }
    for (const QString &note : result.notes)
        qDebug() << "UI/BatchRun/runprocessesdialog" << Q_FUNC_INFO << note;
    entries = std::move(result.entries);
    listFileName = path;
    updateTitle();
    rebuildTree();
    if (result.upgraded)
        QMessageBox::warning(this, QLatin1String(Model::Persistence::ProcessListReader::kUpdatedListTitle),
                             QLatin1String(Model::Persistence::ProcessListReader::kUpdatedListText));
    return true;
}

bool RunProcessesDialog::saveList(const QString &path)
{
    QString error;
    if (!Model::Persistence::ProcessListWriter::save(path, entries, &error)) {
        QMessageBox::warning(this, QStringLiteral("Error writing to file"), error);
        return false;
    }
    listFileName = path;
    updateTitle();
    return true;
}

void RunProcessesDialog::reject()
{
    if (!isRunning())
        QDialog::reject();
}

void RunProcessesDialog::closeEvent(QCloseEvent *event)
{
    if (isRunning())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void RunProcessesDialog::on_btnClose_clicked()
{
    if (!isRunning())
        accept();
}

void RunProcessesDialog::on_btnNewList_clicked()
{
    if (!entries.empty()) {
        QMessageBox box(QMessageBox::Question, baseTitle, QStringLiteral("Creating a new process list."),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
        box.setInformativeText(QStringLiteral("You will lose any unsaved changes, do you wish to continue?"));
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save:
            // A list that could not be saved is kept rather than lost.
            if (!saveToListFile())
                return;
            break;
        case QMessageBox::Discard: break;
        case QMessageBox::Cancel: return;
        default:
            qDebug() << "UI/BatchRun/runprocessesdialog" << Q_FUNC_INFO
                     << "Run process create new list message box returned unexpected value.";
            return;
        }
    }
    entries.clear();
    listFileName.clear();
    updateTitle();
    rebuildTree();
}

void RunProcessesDialog::on_btnLoadList_clicked()
{
    const QString path = QFileDialog::getOpenFileName(this, kListDialogTitle, QDir::homePath(), kListFilter);
    if (!path.isEmpty())
        loadList(path);
}

void RunProcessesDialog::on_btnSaveList_clicked()
{
    saveToListFile();
}

void RunProcessesDialog::on_btnSaveListAs_clicked()
{
    saveAskingForName();
}

bool RunProcessesDialog::saveToListFile()
{
    return listFileName.isEmpty() ? saveAskingForName() : saveList(listFileName);
}

bool RunProcessesDialog::saveAskingForName()
{
    const QString path = Input::SaveFileName::ask(this, kListDialogTitle, QDir::homePath(), kListFilter,
                                                  QStringLiteral("plst"));
    return !path.isEmpty() && saveList(path);
}

void RunProcessesDialog::on_btnAddProcess_clicked()
{
    const uint32_t type = form.cbxProcesses->currentData().toUInt();
    BatchRun::ProcessStepEditor *editor = BatchRun::ProcessStepEditors::find(type);
    if (!editor) {
        QMessageBox::information(
            this, baseTitle,
            QStringLiteral("%1 steps cannot be added here yet: this process has no options "
                           "dialog in this version.")
                .arg(form.cbxProcesses->currentText()));
        return;
    }
    auto entry = editor->edit(this, nullptr);
    if (!entry)
        return;
    entries.push_back(std::move(*entry));
    if (type == kPhotolithography)
        clearMasksOfCurrentVolume();
    rebuildTree(int(entries.size()) - 1);
}

void RunProcessesDialog::on_btnRemoveProcess_clicked()
{
    const int index = selectedEntry();
    if (index < 0)
        return;
    entries.erase(entries.begin() + index);
    rebuildTree(std::min(index, int(entries.size()) - 1));
}

void RunProcessesDialog::on_btnModify_clicked()
{
    modifyEntry(selectedEntry());
}

void RunProcessesDialog::on_btnMoveUp_clicked()
{
    const int index = selectedEntry();
    if (index > 0)
        moveEntry(index, index - 1);
}

void RunProcessesDialog::on_btnMoveDown_clicked()
{
    const int index = selectedEntry();
    if (index >= 0 && index + 1 < int(entries.size()))
        moveEntry(index, index + 1);
}

void RunProcessesDialog::on_btnMoveTo_clicked()
{
    const int index = selectedEntry();
    if (index < 0)
        return;
    UtilDialog::MoveTo dialog(
        this, Model::Persistence::ProcessTypeNames::displayName(entries[index].getProcessType()),
        int(entries.size()), index + 1);
    if (dialog.exec() == QDialog::Accepted)
        moveEntry(index, dialog.position() - 1);
}

void RunProcessesDialog::on_btnRun_clicked()
{
    form.progressBar->setValue(0);
    form.progressBar->setEnabled(true);
    form.progressBar->setRange(0, int(entries.size()));
    if (!runLock.tryAcquire())
        return;
    runEntries = entries;
    progressTimer.start();
    QtConcurrent::run(&runPool, [this] {
        runProcessList();
        runLock.release();
    });
}

void RunProcessesDialog::runProcessList()
{
    completedCount = 0;
    Core::Batch::ProcessListRun::run(runEntries, context, [this](const Core::Batch::StepReport &report) {
        if (report.resultCode == 0)
            ++completedCount;
    });
}

void RunProcessesDialog::on_treeWidget_itemDoubleClicked(QTreeWidgetItem *item, int)
{
    modifyEntry(BatchRun::ProcessTree::entryIndex(form.treeWidget, item));
}

void RunProcessesDialog::on_treeWidget_itemExpanded(QTreeWidgetItem *item)
{
    if (item->parent())
        return;
    entries[size_t(form.treeWidget->indexOfTopLevelItem(item))].setExpanded(true);
    form.treeWidget->resizeColumnToContents(2);
}

void RunProcessesDialog::on_treeWidget_itemCollapsed(QTreeWidgetItem *item)
{
    if (!item->parent())
        entries[size_t(form.treeWidget->indexOfTopLevelItem(item))].setExpanded(false);
}

void RunProcessesDialog::selectionChanged()
{
    const int index = selectedEntry();
    const bool selected = index >= 0;
    form.btnRemoveProcess->setEnabled(selected);
    form.btnModify->setEnabled(selected);
    form.btnMoveTo->setEnabled(selected);
    form.btnMoveUp->setEnabled(selected && index > 0);
    form.btnMoveDown->setEnabled(selected && index + 1 < int(entries.size()));
}

void RunProcessesDialog::updateProgress()
{
    form.progressBar->setValue(int(completedCount.load()));
    if (!runLock.tryAcquire())
        return;
    progressTimer.stop();
    // The run's steps leave no undo entries: redoing an undone step would write over them.
    if (completedCount > 0)
        workspace.getUndoRedoStacks().dropRedo();
    if (const auto volume = context.getCurrentVolume()) {
        volume->refreshDrawingData();
        workspace.requestRedraw();
    } else {
        QMessageBox::critical(this, QLatin1String(Core::Batch::ProcessListRun::kMissingVolumeTitle),
                              QLatin1String(Core::Batch::ProcessListRun::kMissingVolumeText));
    }
    completedCount = 0;
    form.progressBar->setValue(0);
    runLock.release();
}

void RunProcessesDialog::updateGeometry(const QString &filename)
{
    if (const auto volume = context.getCurrentVolume())
        volume->refreshDrawingData();
    workspace.requestRedraw();
    if (!filename.isEmpty() && imageSaver)
        imageSaver(filename);
}

void RunProcessesDialog::saveImageFromWorker(const QString &filename)
{
    if (QThread::currentThread() == thread())
        updateGeometry(filename);
    else
        QMetaObject::invokeMethod(this, "updateGeometry", Qt::BlockingQueuedConnection,
                                  Q_ARG(QString, filename));
}

int RunProcessesDialog::selectedEntry() const
{
    const auto selected = form.treeWidget->selectedItems();
    return selected.isEmpty() ? -1 : BatchRun::ProcessTree::entryIndex(form.treeWidget, selected.front());
}

void RunProcessesDialog::modifyEntry(int index)
{
    if (index < 0 || index >= int(entries.size()))
        return;
    BatchRun::ProcessStepEditor *editor =
        BatchRun::ProcessStepEditors::find(entries[size_t(index)].getProcessType());
    if (!editor)
        return;
    auto edited = editor->edit(this, &entries[size_t(index)]);
    if (!edited)
        return;
    Model::Persistence::MaterialParameters::keepStored(*edited, entries[size_t(index)]);
    edited->setExpanded(entries[size_t(index)].isExpanded());
    entries[size_t(index)] = std::move(*edited);
    rebuildTree(index);
}

void RunProcessesDialog::moveEntry(int from, int to)
{
    to = std::clamp(to, 0, int(entries.size()) - 1);
    Ui::ProcessData moved = entries[size_t(from)];
    entries.erase(entries.begin() + from);
    entries.insert(entries.begin() + to, std::move(moved));
    rebuildTree(to);
}

void RunProcessesDialog::rebuildTree(int selected)
{
    BatchRun::ProcessTree::fill(form.treeWidget, entries);
    if (selected >= 0 && selected < form.treeWidget->topLevelItemCount())
        form.treeWidget->setCurrentItem(form.treeWidget->topLevelItem(selected));
    selectionChanged();
}

void RunProcessesDialog::updateTitle()
{
    setWindowTitle(listFileName.isEmpty() ? baseTitle : baseTitle + QLatin1Char(' ') + listFileName);
}

void RunProcessesDialog::clearMasksOfCurrentVolume()
{
    const auto volume = context.getCurrentVolume();
    if (!volume)
        return;
    volume->setTopMask(QBitArray(), 0, 0);
    volume->setBottomMask(QBitArray(), 0, 0);
    workspace.requestRedraw();
}

} // namespace Ui
