#include "UI/Operations/MaterialChoice.h"

#include "UI/Operations/MaterialComboBox.h"

#include <QColor>
#include <QComboBox>
#include <QPixmap>

namespace Ui::Operations::MaterialChoice {

void fill(QComboBox *box, uint32_t processId)
{
    if (processId == kEveryMaterial)
        MaterialComboBox::fillWithAllMaterials(box);
    else
        MaterialComboBox::fillWithProcessMaterials(box, processId);
}

QComboBox *dopedMaterialBox(QWidget *parent, const QString &objectName, uint32_t processId)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setToolTip(QString::fromLatin1(kDopedMaterialToolTip));
    fill(box, processId);
    return box;
}

void selectStored(QComboBox *box, const QVariantMap &parameters, const QString &stem)
{
    const QString idKey = stem + QStringLiteral("_Id");
    MaterialComboBox::select(box, parameters, idKey, stem);
    bool ok = false;
    const uint32_t id = parameters.value(idKey).toUInt(&ok);
    if (!ok || box->findData(QVariant(id)) >= 0)
        return;
    QPixmap swatch(100, 100);
    swatch.fill(parameters.value(stem + QStringLiteral("_Color")).value<QColor>());
    box->addItem(QIcon(swatch), parameters.value(stem).toString(), QVariant(id));
    box->setCurrentIndex(box->count() - 1);
}

} // namespace Ui::Operations::MaterialChoice
