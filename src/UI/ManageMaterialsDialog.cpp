#include "UI/ManageMaterialsDialog.h"

#include "Model/Materials/MaterialFactory.h"
#include "UI/ColorItemDelegate.h"
#include "UI/DialogButtons.h"
#include "UI/MaterialTableViewItem.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace Ui {

ManageMaterialsDialog::ManageMaterialsDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ManageMaterialsBaseDialog"));
    setWindowTitle(QStringLiteral("Manage Materials"));
    tableModel = new MaterialTableViewItem(this);
    tableView = new QTableView(this);
    tableView->setObjectName(QStringLiteral("tableView"));
    tableView->setModel(tableModel);
    tableView->setItemDelegateForColumn(MaterialTableViewItem::Color, new ColorItemDelegate(tableView));
    tableView->horizontalHeader()->setStretchLastSection(true);
    tableView->resizeColumnsToContents();

    auto *addButton = new QPushButton(QStringLiteral("Add Material"), this);
    addButton->setObjectName(QStringLiteral("btnAddMaterial"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tableView);
    layout->addWidget(addButton, 0, Qt::AlignLeft);
    layout->addWidget(okCancelButtons(this));
    resize(480, 420);
    QMetaObject::connectSlotsByName(this);
}

const std::vector<Model::Materials::Material> &ManageMaterialsDialog::getMaterials() const
{
    return tableModel->getMaterials();
}

void ManageMaterialsDialog::on_btnAddMaterial_clicked()
{
    tableModel->insertRows(0, 1);
    tableView->scrollToTop();
}

void ManageMaterialsDialog::writeToCatalogue() const
{
    const auto catalogue = Model::Materials::MaterialFactory::instance();
    for (const auto &material : getMaterials())
        catalogue->addMaterial(material);
    catalogue->saveMaterials();
}

} // namespace Ui
