#include "Model/Persistence/MaterialParameters.h"

#include "Model/Persistence/ProcessData.h"

namespace Model::Persistence {

void MaterialParameters::set(Ui::ProcessData &entry, const QString &stem, const Materials::Material &material)
{
    entry.setProcessParameter(stem + QStringLiteral("_Id"), material.getId(), false);
    entry.setProcessParameter(stem, material.getName(), true);
    entry.setProcessParameter(stem + QStringLiteral("_Color"), color(material), false);
}

QColor MaterialParameters::color(const Materials::Material &material)
{
    const auto &c = material.getColor();
    return QColor(int(c.r * 255.0f), int(c.g * 255.0f), int(c.b * 255.0f), int(c.a * 255.0f));
}

} // namespace Model::Persistence
