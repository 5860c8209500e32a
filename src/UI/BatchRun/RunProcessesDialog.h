#pragma once

#include "Core/Batch/BatchContext.h"
#include "Model/Persistence/ProcessData.h"
#include "UI/BatchRun/RunProcessesForm.h"

#include <QDialog>
#include <QSemaphore>
#include <QThreadPool>
#include <QTimer>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QTreeWidgetItem;

namespace Core {
class Workspace;
}

namespace Model::Automaton {
class TotalVolume;
}

namespace Ui {

// Edits a process list and runs it, step after step, on one cell volume on a worker thread
// while the progress bar follows. A run holds the run lock from the Run button until the
// worker ends; the dialog cannot be closed meanwhile. Save Image steps reach the main window
// through a blocking queued call of `updateGeometry`.
class RunProcessesDialog : public QDialog {
    Q_OBJECT
public:
    RunProcessesDialog(QWidget *parent, std::shared_ptr<Model::Automaton::TotalVolume> volume,
                       Core::Workspace &workspace);
    ~RunProcessesDialog() override;

    // Reads the list; its entries replace the dialog's. False, after telling the user, when the
    // file cannot be read.
    bool loadList(const QString &path);
    // Writes the list; the file becomes the list's file. False, after telling the user, when it
    // cannot be written.
    bool saveList(const QString &path);

    const std::vector<Ui::ProcessData> &getProcessList() const { return entries; }
    void setProcessList(std::vector<Ui::ProcessData> list);
    const QString &getListFileName() const { return listFileName; }
    std::shared_ptr<Model::Automaton::TotalVolume> getCurrentVolume() const
    {
        return context.getCurrentVolume();
    }
    // How the main window saves the drawn view to an image file.
    void setImageSaver(std::function<void(const QString &)> saver) { imageSaver = std::move(saver); }
    bool isRunning() const;
    QTreeWidget *tree() const { return form.treeWidget; }

    // The worker body: runs the entries the Run button handed over, counting completed steps.
    void runProcessList();

public slots:
    void reject() override;

private slots:
    void on_btnClose_clicked();
    void on_btnNewList_clicked();
    void on_btnLoadList_clicked();
    void on_btnSaveList_clicked();
    void on_btnSaveListAs_clicked();
    void on_btnAddProcess_clicked();
    void on_btnRemoveProcess_clicked();
    void on_btnModify_clicked();
    void on_btnMoveUp_clicked();
    void on_btnMoveDown_clicked();
    void on_btnMoveTo_clicked();
    void on_btnRun_clicked();
    void on_treeWidget_itemDoubleClicked(QTreeWidgetItem *item, int column);
    void on_treeWidget_itemExpanded(QTreeWidgetItem *item);
    void on_treeWidget_itemCollapsed(QTreeWidgetItem *item);
    void selectionChanged();
    void updateProgress();
    // Refreshes the current volume's drawing, redraws the view and, for a file name, saves the
    // view there. Called from the worker with a blocking queued call.
    void updateGeometry(const QString &filename);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int selectedEntry() const;
    void modifyEntry(int index);
    // Save List: to the list's file, or where the user chooses when it has none. True when
    // the list was written.
    bool saveToListFile();
    // Save List As: where the user chooses. True when the list was written.
    bool saveAskingForName();
    void moveEntry(int from, int to);
    void rebuildTree(int selected = -1);
    void updateTitle();
    void clearMasksOfCurrentVolume();
    void saveImageFromWorker(const QString &filename);

    BatchRun::RunProcessesForm form;
    Core::Workspace &workspace;
    Core::Batch::BatchContext context;
    // Taken on the user-interface thread when a run starts, released by the worker at its end.
    mutable QSemaphore runLock{1};
    QTimer progressTimer;
    std::atomic<uint32_t> completedCount{0};
    QString baseTitle;
    QString listFileName;
    std::vector<Ui::ProcessData> entries;
    std::vector<Ui::ProcessData> runEntries;
    std::function<void(const QString &)> imageSaver;
    // The worker runs here, not on the global pool the engines split their work over.
    QThreadPool runPool;
};

} // namespace Ui
