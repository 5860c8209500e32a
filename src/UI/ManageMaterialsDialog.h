#pragma once

#include <QDialog>

#include <vector>

class QTableView;

namespace Model::Materials {
class Material;
}

namespace Ui {

class MaterialTableViewItem;

// Lists the catalogue's materials in a table where they can be renamed, recoloured and added
// to. Works on copies: nothing reaches the catalogue unless the dialog is accepted.
class ManageMaterialsDialog : public QDialog {
    Q_OBJECT
public:
    explicit ManageMaterialsDialog(QWidget *parent = nullptr);

    // The rows in table order.
    const std::vector<Model::Materials::Material> &getMaterials() const;
    QTableView *table() const { return tableView; }
    MaterialTableViewItem *model() const { return tableModel; }

    // Stores every row in the catalogue and saves it.
    void writeToCatalogue() const;

private slots:
    void on_btnAddMaterial_clicked();

private:
    MaterialTableViewItem *tableModel = nullptr;
    QTableView *tableView = nullptr;
};

} // namespace Ui
