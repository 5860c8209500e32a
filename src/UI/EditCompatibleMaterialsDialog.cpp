#include "UI/EditCompatibleMaterialsDialog.h"
#include "UI/DialogButtons.h"

#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace Ui {

using Model::Materials::Material;
using Model::Process::Process;

namespace {

// The material ids of the list's selected items, in list order.
std::vector<uint32_t> selectedMaterialIds(const QListWidget *list)
{
    std::vector<uint32_t> ids;
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->isSelected())
            ids.push_back(list->item(row)->data(Qt::UserRole).toUInt());
    }
    return ids;
}

} // namespace

EditCompatibleMaterialsDialog::EditCompatibleMaterialsDialog(QWidget *parent)
    : EditCompatibleMaterialsDialog(Model::Process::ProcessFactory::instance()->getProcesses(),
                                    Model::Materials::MaterialFactory::instance()->getMaterials(), parent)
{
}

EditCompatibleMaterialsDialog::EditCompatibleMaterialsDialog(std::vector<Process> processes,
                                                             std::vector<Material> materials, QWidget *parent)
    : QDialog(parent), processes(std::move(processes)), materials(std::move(materials))
{
    buildWidgets();
    QMetaObject::connectSlotsByName(this);
    fillAvailableMaterials();
    fillProcesses();
}

void EditCompatibleMaterialsDialog::buildWidgets()
{
    setObjectName(QStringLiteral("EditCompatibleMaterialsBaseDialog"));
    setWindowTitle(QStringLiteral("Edit Compatible Materials"));

    processBox = new QComboBox(this);
    processBox->setObjectName(QStringLiteral("cbxProcess"));
    availableList = new QListWidget(this);
    availableList->setObjectName(QStringLiteral("lstAvailableMaterials"));
    availableList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    compatibleList = new QListWidget(this);
    compatibleList->setObjectName(QStringLiteral("lstCompatibleMaterials"));
    compatibleList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    auto *insertButton = new QPushButton(QStringLiteral("Insert >>"), this);
    insertButton->setObjectName(QStringLiteral("btnInsert"));
    auto *removeButton = new QPushButton(QStringLiteral("<< Remove"), this);
    removeButton->setObjectName(QStringLiteral("btnRemove"));

    auto *buttonColumn = new QVBoxLayout;
    buttonColumn->addStretch();
    buttonColumn->addWidget(insertButton);
    buttonColumn->addWidget(removeButton);
    buttonColumn->addStretch();

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Process"), this), 0, 0);
    grid->addWidget(processBox, 0, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Available Materials"), this), 1, 0);
    grid->addWidget(new QLabel(QStringLiteral("Compatible Materials"), this), 1, 2);
    grid->addWidget(availableList, 2, 0);
    grid->addLayout(buttonColumn, 2, 1);
    grid->addWidget(compatibleList, 2, 2);

    auto *buttons = okCancelButtons(this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);
}

void EditCompatibleMaterialsDialog::fillProcesses()
{
    for (const Process &process : processes)
        processBox->addItem(process.getName(), QVariant(process.getId()));
    refillCompatibleMaterials();
}

void EditCompatibleMaterialsDialog::fillAvailableMaterials()
{
    for (const Material &material : materials) {
        auto *item = new QListWidgetItem(material.getName(), availableList);
        item->setData(Qt::UserRole, QVariant(material.getId()));
    }
}

Process *EditCompatibleMaterialsDialog::chosenProcess()
{
    const int index = processBox->currentIndex();
    if (index < 0 || size_t(index) >= processes.size())
        return nullptr;
    return &processes[size_t(index)];
}

QString EditCompatibleMaterialsDialog::materialName(uint32_t id) const
{
    const auto found =
        std::find_if(materials.begin(), materials.end(), [id](const Material &m) { return m.getId() == id; });
    // A material the catalogue no longer holds is shown by its id.
    return found != materials.end() ? found->getName() : QString::number(id);
}

void EditCompatibleMaterialsDialog::refillCompatibleMaterials()
{
    compatibleList->clear();
    const Process *process = chosenProcess();
    if (!process)
        return;
    for (uint32_t id : process->getCompatibleMaterials()) {
        auto *item = new QListWidgetItem(materialName(id), compatibleList);
        item->setData(Qt::UserRole, QVariant(id));
    }
}

void EditCompatibleMaterialsDialog::on_cbxProcess_currentIndexChanged(int)
{
    refillCompatibleMaterials();
}

void EditCompatibleMaterialsDialog::on_btnInsert_clicked()
{
    Process *process = chosenProcess();
    if (!process)
        return;
    for (const uint32_t id : selectedMaterialIds(availableList))
        process->addCompatibleMaterial(id);
    refillCompatibleMaterials();
}

void EditCompatibleMaterialsDialog::on_btnRemove_clicked()
{
    Process *process = chosenProcess();
    if (!process)
        return;
    for (const uint32_t id : selectedMaterialIds(compatibleList))
        process->removeCompatibleMaterial(id);
    refillCompatibleMaterials();
}

} // namespace Ui
