#include "Model/Persistence/MaterialParameters.h"

#include "Model/Persistence/ProcessData.h"

namespace Model::Persistence {

void MaterialParameters::set(Ui::ProcessData &entry, const QString &stem, const Materials::Material &material)
{
    entry.setProcessParameter(stem + QStringLiteral("_Id"), material.getId(), false);
    entry.setProcessParameter(stem, material.getName(), true);
    entry.setProcessParameter(stem + QStringLiteral("_Color"), color(material), false);
}

void MaterialParameters::keepStored(Ui::ProcessData &edited, const Ui::ProcessData &stored)
{
    const QString idSuffix = QStringLiteral("_Id");
    const QVariantMap &before = stored.getParameters();
    const QVariantMap after = edited.getParameters();
    for (auto it = after.constBegin(); it != after.constEnd(); ++it) {
        if (!it.key().endsWith(idSuffix) || !before.contains(it.key())
            || before.value(it.key()) != it.value())
            continue;
        const QString stem = it.key().left(it.key().size() - idSuffix.size());
        for (const QString &kept : {stem, stem + QStringLiteral("_Color")}) {
            if (before.contains(kept))
                edited.setProcessParameter(kept, before.value(kept), stored.getParameterVisibility(kept));
        }
    }
}

QColor MaterialParameters::color(const Materials::Material &material)
{
    const auto &c = material.getColor();
    return QColor(int(c.r * 255.0f), int(c.g * 255.0f), int(c.b * 255.0f), int(c.a * 255.0f));
}

} // namespace Model::Persistence
