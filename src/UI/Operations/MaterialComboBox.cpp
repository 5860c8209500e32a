#include "UI/Operations/MaterialComboBox.h"

#include <QComboBox>
#include <QIcon>
#include <QPixmap>

namespace Ui::Operations {

QIcon materialIcon(const Model::Materials::Material &material)
{
    const auto &c = material.getColor();
    QPixmap swatch(100, 100);
    swatch.fill(QColor(int(c.r * 255), int(c.g * 255), int(c.b * 255), int(c.a * 255)));
    return QIcon(swatch);
}

void fillMaterialComboBox(QComboBox *comboBox, const std::vector<Model::Materials::Material> &materials)
{
    for (const auto &material : materials)
        comboBox->addItem(materialIcon(material), material.getName(), material.getId());
}

bool selectMaterialFromParameters(QComboBox *comboBox, const QVariantMap &parameters, const QString &key)
{
    const QVariant id = parameters.value(key + QStringLiteral("_Id"));
    const QVariant name = parameters.value(key);
    int found = -1;
    for (int i = 0; i < comboBox->count(); ++i) {
        if (id.isValid() ? comboBox->itemData(i).toUInt() == id.toUInt()
                         : name.isValid() && comboBox->itemText(i) == name.toString())
            found = i;
    }
    if (found >= 0)
        comboBox->setCurrentIndex(found);
    return found >= 0;
}

uint32_t selectedMaterialId(const QComboBox *comboBox)
{
    return comboBox->currentIndex() < 0 ? 0 : comboBox->currentData().toUInt();
}

} // namespace Ui::Operations
