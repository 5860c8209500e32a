#include "Model/Materials/MaterialXml.h"

#include <QColor>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <algorithm>

namespace Model::Materials {
namespace {

float attributeFloat(const QXmlStreamAttributes &attributes, const QString &name)
{
    bool ok = false;
    const float value = attributes.value(name).toFloat(&ok);
    return ok ? value : 0.0f;
}

RgbaColor attributeColor(const QXmlStreamAttributes &attributes)
{
    QColor color;
    color.setNamedColor(attributes.value(QStringLiteral("color")).toString());
    if (!color.isValid())
        return RgbaColor();
    return RgbaColor{float(color.redF()), float(color.greenF()), float(color.blueF()), float(color.alphaF())};
}

QString hexByte(float component)
{
    const int value = std::clamp(int(component * 255.0f), 0, 255);
    return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

std::optional<Material> MaterialXml::read(QXmlStreamReader &reader)
{
    if (reader.name() != QLatin1String("Material"))
        return std::nullopt;
    const QXmlStreamAttributes attributes = reader.attributes();
    bool idOk = false;
    const uint32_t id = attributes.value(QStringLiteral("material-id")).toUInt(&idOk, 10);
    const QString name = attributes.value(QStringLiteral("name")).toString();
    if (!idOk || id == 0 || name.isEmpty())
        return std::nullopt;
    return Material(id, name, attributeFloat(attributes, QStringLiteral("density")),
                    attributeFloat(attributes, QStringLiteral("young-modulus")),
                    attributeFloat(attributes, QStringLiteral("poisson-ratio")), attributeColor(attributes));
}

bool MaterialXml::write(QXmlStreamWriter &writer, const Material &material)
{
    writer.writeEmptyElement(QStringLiteral("Material"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    writer.writeAttribute(QStringLiteral("name"), material.getName());
    writer.writeAttribute(QStringLiteral("material-id"), QString::number(material.getId()));
    writer.writeAttribute(QStringLiteral("density"), QString::number(material.getDensity(), 'g', 6));
    writer.writeAttribute(QStringLiteral("poisson-ratio"),
                          QString::number(material.getPoissonRatio(), 'g', 6));
    writer.writeAttribute(QStringLiteral("young-modulus"),
                          QString::number(material.getYoungModulus(), 'g', 6));
    writer.writeAttribute(QStringLiteral("color"), colorText(material.getColor()));
    return !writer.hasError();
}

QString MaterialXml::colorText(const RgbaColor &color)
{
    return QStringLiteral("#") + hexByte(color.a) + hexByte(color.r) + hexByte(color.g) + hexByte(color.b);
}

} // namespace Model::Materials
