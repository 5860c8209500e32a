#pragma once

class QComboBox;
class QDialog;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace Ui::BatchRun {

// The batch dialog's controls, laid out on the dialog with their object names (the dialog's
// on_<name>_<signal> slots connect to them by name).
struct RunProcessesForm {
    void setup(QDialog *dialog);

    QTreeWidget *treeWidget = nullptr;
    QComboBox *cbxProcesses = nullptr;
    QPushButton *btnAddProcess = nullptr;
    QPushButton *btnRemoveProcess = nullptr;
    QPushButton *btnModify = nullptr;
    QPushButton *btnMoveUp = nullptr;
    QPushButton *btnMoveDown = nullptr;
    QPushButton *btnMoveTo = nullptr;
    QPushButton *btnNewList = nullptr;
    QPushButton *btnLoadList = nullptr;
    QPushButton *btnSaveList = nullptr;
    QPushButton *btnSaveListAs = nullptr;
    QPushButton *btnRun = nullptr;
    QPushButton *btnClose = nullptr;
    QProgressBar *progressBar = nullptr;
};

} // namespace Ui::BatchRun
