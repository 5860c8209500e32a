#include "UI/Operations/MaterialComboBox.h"

#include "Model/Materials/MaterialFactory.h"

#include <QColor>
#include <QComboBox>
#include <QPixmap>

namespace Ui::Operations {

using Model::Materials::Material;

namespace {

constexpr int kIconSize = 100;

int colorComponent(float value)
{
    return qBound(0, int(value * 255.0f), 255);
}

// The material a step stores under `stem`, for a box that does not offer it: its stored name
// and colour, else what the catalogue knows of its id.
Material storedMaterial(uint32_t id, const QMap<QString, QVariant> &parameters, const QString &stem)
{
    Material material = Model::Materials::MaterialFactory::instance()->getMaterialById(id);
    material.setId(id);
    const QString name = parameters.value(stem).toString();
    if (!name.isEmpty())
        material.setName(name);
    const QVariant color = parameters.value(stem + QStringLiteral("_Color"));
    if (color.canConvert<QColor>() && color.value<QColor>().isValid()) {
        const QColor c = color.value<QColor>();
        material.setColor({float(c.redF()), float(c.greenF()), float(c.blueF()), float(c.alphaF())});
    }
    return material;
}

} // namespace

QComboBox *MaterialComboBox::create(QWidget *parent, const QString &objectName, const MaterialOffer &offer)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    fill(box, offer);
    return box;
}

QIcon MaterialComboBox::icon(const Material &material)
{
    const auto &color = material.getColor();
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(QColor(colorComponent(color.r), colorComponent(color.g), colorComponent(color.b),
                       colorComponent(color.a)));
    return QIcon(pixmap);
}

void MaterialComboBox::fill(QComboBox *box, const std::vector<Material> &materials)
{
    box->clear();
    for (const Material &material : materials)
        box->addItem(icon(material), material.getName(), QVariant(material.getId()));
}

uint32_t MaterialComboBox::selectedMaterialId(const QComboBox *box)
{
    return box->currentIndex() < 0 ? 0 : box->currentData().toUInt();
}

void MaterialComboBox::selectId(QComboBox *box, uint32_t materialId)
{
    const int index = box->findData(QVariant(materialId));
    if (index >= 0)
        box->setCurrentIndex(index);
}

void MaterialComboBox::selectStored(QComboBox *box, const QMap<QString, QVariant> &parameters,
                                    const QString &stem)
{
    const QString idKey = stem + QStringLiteral("_Id");
    if (parameters.contains(idKey)) {
        bool ok = false;
        const uint32_t id = parameters.value(idKey).toUInt(&ok);
        if (!ok)
            return;
        int index = box->findData(QVariant(id));
        if (index < 0) {
            const Material material = storedMaterial(id, parameters, stem);
            box->addItem(icon(material), material.getName(), QVariant(id));
            index = box->count() - 1;
        }
        box->setCurrentIndex(index);
        return;
    }
    if (!parameters.contains(stem))
        return;
    const QString name = parameters.value(stem).toString();
    // All items are scanned; the last match wins.
    for (int i = box->count() - 1; i >= 0; --i) {
        if (box->itemText(i) == name) {
            box->setCurrentIndex(i);
            return;
        }
    }
}

} // namespace Ui::Operations
