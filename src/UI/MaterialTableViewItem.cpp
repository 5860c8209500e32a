#include "UI/MaterialTableViewItem.h"

#include "Model/Materials/MaterialFactory.h"

#include <QColor>

#include <algorithm>
#include <cmath>

namespace Ui {
namespace {

constexpr int kShownColumns = 3;
const char *const kHeaders[] = {"Material Id", "Material Name", "Color",
                                "Density",     "Young Modulus", "Poisson Ratio"};

QColor toQColor(const Model::Materials::RgbaColor &c)
{
    return QColor(int(c.r * 255.0f), int(c.g * 255.0f), int(c.b * 255.0f), int(c.a * 255.0f));
}

} // namespace

MaterialTableViewItem::MaterialTableViewItem(QObject *parent)
    : QAbstractTableModel(parent), materials(Model::Materials::MaterialFactory::instance()->getMaterials())
{
}

int MaterialTableViewItem::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(materials.size());
}

int MaterialTableViewItem::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kShownColumns;
}

QVariant MaterialTableViewItem::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(materials.size())
        || (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::DecorationRole))
        return QVariant();
    const Model::Materials::Material &material = materials[size_t(index.row())];
    if (role == Qt::DecorationRole)
        return index.column() == Color ? QVariant(toQColor(material.getColor())) : QVariant();
    switch (index.column()) {
    case Id: return material.getId();
    case Name: return material.getName();
    case Color: return toQColor(material.getColor());
    case Density: return material.getDensity();
    case YoungModulus: return material.getYoungModulus();
    case PoissonRatio: return material.getPoissonRatio();
    default: return QVariant();
    }
}

bool MaterialTableViewItem::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.row() >= int(materials.size()))
        return false;
    Model::Materials::Material &material = materials[size_t(index.row())];
    bool changed = false;
    switch (index.column()) {
    case Name: changed = setName(material, value); break;
    case Color: {
        const QColor color = value.value<QColor>();
        if (!color.isValid())
            return false;
        material.setColor({float(color.red()) / 255.0f, float(color.green()) / 255.0f,
                           float(color.blue()) / 255.0f, float(color.alpha()) / 255.0f});
        changed = true;
        break;
    }
    case Density: changed = setNumber(material, &Model::Materials::Material::setDensity, value); break;
    case YoungModulus:
        changed = setNumber(material, &Model::Materials::Material::setYoungModulus, value);
        break;
    case PoissonRatio:
        changed = setNumber(material, &Model::Materials::Material::setPoissonRatio, value);
        break;
    default: return false;
    }
    if (changed)
        emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole, Qt::DecorationRole});
    return changed;
}

bool MaterialTableViewItem::setName(Model::Materials::Material &material, const QVariant &value)
{
    const QString name = value.toString().trimmed();
    if (name.isEmpty())
        return false;
    material.setName(name);
    return true;
}

// Numbers that are not finite are refused.
bool MaterialTableViewItem::setNumber(Model::Materials::Material &material, NumberSetter set,
                                      const QVariant &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return false;
    (material.*set)(float(number));
    return true;
}

QVariant MaterialTableViewItem::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    if (section >= 0 && section < int(std::size(kHeaders)))
        return QString::fromLatin1(kHeaders[section]);
    return QStringLiteral("Column %1").arg(section);
}

bool MaterialTableViewItem::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || count < 1 || row < 0 || row > int(materials.size()))
        return false;
    beginInsertRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        materials.insert(
            materials.begin() + row + i,
            Model::Materials::Material(freeId(), QStringLiteral("New Material"), 1.0f, 1.0f, 1.0f));
    endInsertRows();
    return true;
}

// A fresh catalogue id that no row of the table holds either: rows added before OK are not in
// the catalogue yet, and two rows with one id would make the later replace the earlier.
uint32_t MaterialTableViewItem::freeId() const
{
    const auto catalogue = Model::Materials::MaterialFactory::instance();
    uint32_t id = 0;
    do
        id = catalogue->getFreeMaterialId();
    while (std::any_of(materials.begin(), materials.end(), [id](const auto &m) { return m.getId() == id; }));
    return id;
}

Qt::ItemFlags MaterialTableViewItem::flags(const QModelIndex &index) const
{
    Qt::ItemFlags base = QAbstractTableModel::flags(index);
    if (!index.isValid() || index.row() >= int(materials.size()))
        return base;
    const bool userName = index.column() == Name && materials[size_t(index.row())].getId() >= kFirstUserId;
    if (userName || index.column() >= Color)
        base |= Qt::ItemIsEditable;
    return base;
}

} // namespace Ui
