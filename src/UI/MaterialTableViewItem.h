#pragma once

#include "Model/Materials/Material.h"

#include <QAbstractTableModel>

#include <vector>

namespace Ui {

// The table of the material management dialog, over copies of the catalogue's materials:
// id, name and colour are shown; density, Young modulus and Poisson ratio are served too.
// Names of user materials (ids from 2000) and every colour are editable; a name is trimmed and
// an empty one refused.
class MaterialTableViewItem : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Id = 0, Name = 1, Color = 2, Density = 3, YoungModulus = 4, PoissonRatio = 5 };
    static constexpr uint32_t kFirstUserId = 2000;

    explicit MaterialTableViewItem(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // New materials named "New Material" with fresh ids from the catalogue.
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    const std::vector<Model::Materials::Material> &getMaterials() const { return materials; }

private:
    uint32_t freeId() const;
    bool setName(Model::Materials::Material &material, const QVariant &value);
    using NumberSetter = void (Model::Materials::Material::*)(float);
    static bool setNumber(Model::Materials::Material &material, NumberSetter set, const QVariant &value);

    std::vector<Model::Materials::Material> materials;
};

} // namespace Ui
