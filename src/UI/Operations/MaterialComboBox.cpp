#include "UI/Operations/MaterialComboBox.h"

#include "Model/Materials/MaterialFactory.h"
#include "Model/Process/ProcessFactory.h"

#include <QColor>
#include <QComboBox>
#include <QPixmap>

namespace Ui::Operations {

using Model::Materials::Material;
using Model::Materials::MaterialFactory;

namespace {

constexpr int kIconSize = 100;

int colorComponent(float value)
{
    return qBound(0, int(value * 255.0f), 255);
}

} // namespace

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

void MaterialComboBox::fillWithProcessMaterials(QComboBox *box, uint32_t processId)
{
    const auto catalogue = MaterialFactory::instance();
    std::vector<Material> materials;
    for (uint32_t id :
         Model::Process::ProcessFactory::instance()->getProcess(processId).getCompatibleMaterials()) {
        const Material material = catalogue->getMaterialById(id);
        if (material.getId() != 0)
            materials.push_back(material);
    }
    fill(box, materials);
}

void MaterialComboBox::fillWithAllMaterials(QComboBox *box)
{
    fill(box, MaterialFactory::instance()->getMaterials());
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

void MaterialComboBox::select(QComboBox *box, const QMap<QString, QVariant> &parameters, const QString &idKey,
                              const QString &nameKey)
{
    const bool byId = parameters.contains(idKey);
    bool idOk = false;
    const uint32_t id = parameters.value(idKey).toUInt(&idOk);
    if ((byId && !idOk) || (!byId && !parameters.contains(nameKey)))
        return;
    const QString name = parameters.value(nameKey).toString();
    // All items are scanned; the last match wins.
    int index = -1;
    for (int i = 0; i < box->count(); ++i) {
        if (byId ? box->itemData(i).toUInt() == id : box->itemText(i) == name)
            index = i;
    }
    if (index >= 0)
        box->setCurrentIndex(index);
}

} // namespace Ui::Operations
