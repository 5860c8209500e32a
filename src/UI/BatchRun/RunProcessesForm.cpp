#include "UI/BatchRun/RunProcessesForm.h"

#include "Model/Persistence/ProcessTypeNames.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace Ui::BatchRun {
namespace {

QPushButton *button(QDialog *dialog, const char *name, const QString &text)
{
    auto *result = new QPushButton(text, dialog);
    result->setObjectName(QLatin1String(name));
    result->setAutoDefault(false);
    return result;
}

// One item per process type, labelled as in the menu, sorted by label, the type as item data.
void fillProcesses(QComboBox *comboBox)
{
    auto types = Model::Persistence::ProcessTypeNames::allTypes();
    std::sort(types.begin(), types.end(), [](uint32_t a, uint32_t b) {
        using Model::Persistence::ProcessTypeNames;
        return QString::compare(ProcessTypeNames::menuLabel(a), ProcessTypeNames::menuLabel(b),
                                Qt::CaseInsensitive)
               < 0;
    });
    for (uint32_t type : types)
        comboBox->addItem(Model::Persistence::ProcessTypeNames::menuLabel(type), type);
}

} // namespace

void RunProcessesForm::setup(QDialog *dialog)
{
    dialog->setObjectName(QStringLiteral("RunProcessesBaseDialog"));
    dialog->setWindowTitle(QStringLiteral("Batch Run"));
    dialog->resize(760, 520);

    treeWidget = new QTreeWidget(dialog);
    treeWidget->setObjectName(QStringLiteral("treeWidget"));
    treeWidget->setColumnCount(4);
    treeWidget->setHeaderLabels({QStringLiteral("#"), QStringLiteral("Process"), QStringLiteral("Parameter"),
                                 QStringLiteral("Value")});
    treeWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    treeWidget->setIconSize(QSize(25, 25));

    cbxProcesses = new QComboBox(dialog);
    cbxProcesses->setObjectName(QStringLiteral("cbxProcesses"));
    fillProcesses(cbxProcesses);
    btnAddProcess = button(dialog, "btnAddProcess", QStringLiteral("Add Process"));
    btnRemoveProcess = button(dialog, "btnRemoveProcess", QStringLiteral("Remove Process"));
    btnModify = button(dialog, "btnModify", QStringLiteral("Modify"));
    btnMoveUp = button(dialog, "btnMoveUp", QStringLiteral("Move Up"));
    btnMoveDown = button(dialog, "btnMoveDown", QStringLiteral("Move Down"));
    btnMoveTo = button(dialog, "btnMoveTo", QStringLiteral("Move To"));
    btnNewList = button(dialog, "btnNewList", QStringLiteral("New List"));
    btnLoadList = button(dialog, "btnLoadList", QStringLiteral("Load List"));
    btnSaveList = button(dialog, "btnSaveList", QStringLiteral("Save List"));
    btnSaveListAs = button(dialog, "btnSaveListAs", QStringLiteral("Save List As ..."));
    btnRun = button(dialog, "btnRun", QStringLiteral("Run"));
    btnClose = button(dialog, "btnClose", QStringLiteral("Close"));
    progressBar = new QProgressBar(dialog);
    progressBar->setObjectName(QStringLiteral("progressBar"));
    progressBar->setValue(0);
    progressBar->setEnabled(false);

    auto *side = new QVBoxLayout;
    side->addWidget(cbxProcesses);
    for (QPushButton *b : {btnAddProcess, btnRemoveProcess, btnModify, btnMoveUp, btnMoveDown, btnMoveTo})
        side->addWidget(b);
    side->addStretch(1);
    for (QPushButton *b : {btnNewList, btnLoadList, btnSaveList, btnSaveListAs})
        side->addWidget(b);

    auto *body = new QHBoxLayout;
    body->addWidget(treeWidget, 1);
    body->addLayout(side);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(progressBar, 1);
    bottom->addWidget(btnRun);
    bottom->addWidget(btnClose);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(body, 1);
    layout->addLayout(bottom);
}

} // namespace Ui::BatchRun
