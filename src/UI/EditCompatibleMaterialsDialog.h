#pragma once

#include "Model/Materials/Material.h"
#include "Model/Process/Process.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;

namespace Ui {

// Edits which materials each process of the process catalogue may act on. Works on copies of the
// processes; whoever runs the dialog stores them back when it is accepted.
class EditCompatibleMaterialsDialog : public QDialog {
    Q_OBJECT
public:
    // Takes the processes and materials from the two catalogues.
    explicit EditCompatibleMaterialsDialog(QWidget *parent = nullptr);
    EditCompatibleMaterialsDialog(std::vector<Model::Process::Process> processes,
                                  std::vector<Model::Materials::Material> materials,
                                  QWidget *parent = nullptr);

    const std::vector<Model::Process::Process> &getProcesses() const { return processes; }

private slots:
    void on_cbxProcess_currentIndexChanged(int index);
    void on_btnInsert_clicked();
    void on_btnRemove_clicked();

private:
    void buildWidgets();
    void fillProcesses();
    void fillAvailableMaterials();
    void refillCompatibleMaterials();
    Model::Process::Process *chosenProcess();
    QString materialName(uint32_t id) const;

    std::vector<Model::Process::Process> processes;
    std::vector<Model::Materials::Material> materials;
    QComboBox *processBox = nullptr;
    QListWidget *availableList = nullptr;
    QListWidget *compatibleList = nullptr;
};

} // namespace Ui
