#include "Model/Persistence/ProcessParameterCodec.h"

#include "Util/Vector3D.h"

#include <QBitArray>
#include <QColor>
#include <QStringList>
#include <QVector>

namespace Model::Persistence {
namespace {

QString vectorText(const Util::Vector3D &v, int precision)
{
    return QString::number(v.x, 'g', precision) + QLatin1Char(';') + QString::number(v.y, 'g', precision)
           + QLatin1Char(';') + QString::number(v.z, 'g', precision);
}

QString bitsText(const QBitArray &bits)
{
    QString text(bits.size(), QLatin1Char('0'));
    for (int i = 0; i < bits.size(); ++i) {
        if (bits.testBit(i))
            text[i] = QLatin1Char('1');
    }
    return text;
}

QBitArray bitsFromText(const QString &data)
{
    QBitArray bits(data.size());
    for (int i = 0; i < data.size(); ++i) {
        if (data[i] == QLatin1Char('1'))
            bits.setBit(i);
    }
    return bits;
}

QVariant vectorFromText(const QString &data)
{
    const QVector<QStringRef> parts = data.splitRef(QLatin1Char(';'));
    if (parts.size() != 3)
        return QVariant(data);
    double xyz[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        xyz[i] = parts[i].trimmed().toDouble(&ok);
        if (!ok)
            return QVariant(data);
    }
    return QVariant::fromValue(Util::Vector3D(xyz[0], xyz[1], xyz[2]));
}

// The value `parse` reads from the text (it reports success through its flag), or the text
// itself when it does not parse. The flag is read only after the parse has run.
template <class Parse> QVariant parsedOrText(const QString &data, Parse parse)
{
    bool ok = false;
    const auto value = parse(&ok);
    return ok ? QVariant::fromValue(value) : QVariant(data);
}

} // namespace

ProcessParameterCodec::Encoded ProcessParameterCodec::encode(const QVariant &value)
{
    const int type = value.userType();
    if (type == qMetaTypeId<Util::Vector3D>())
        return {QStringLiteral("Util::Vector3D"), vectorText(value.value<Util::Vector3D>(), 10)};
    switch (type) {
    case QMetaType::Bool: return {QStringLiteral("bool"), value.toBool() ? "true" : "false"};
    case QMetaType::QBitArray: return {QStringLiteral("vector"), bitsText(value.toBitArray())};
    case QMetaType::Float:
    case QMetaType::Double:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::QString:
    case QMetaType::QColor: return {QString::fromLatin1(value.typeName()), value.toString()};
    default: return {QString::fromLatin1(value.typeName() ? value.typeName() : "invalid"), value.toString()};
    }
}

QVariant ProcessParameterCodec::decode(const QString &type, const QString &data)
{
    if (type == QLatin1String("bool"))
        return QVariant(data == QLatin1String("true"));
    if (type == QLatin1String("float"))
        return parsedOrText(data, [&](bool *ok) { return data.toFloat(ok); });
    if (type == QLatin1String("double"))
        return parsedOrText(data, [&](bool *ok) { return data.toDouble(ok); });
    if (type == QLatin1String("int"))
        return parsedOrText(data, [&](bool *ok) { return data.toInt(ok, 10); });
    if (type == QLatin1String("uint"))
        return parsedOrText(data, [&](bool *ok) { return data.toUInt(ok, 10); });
    if (type == QLatin1String("QString"))
        return QVariant(data);
    if (type == QLatin1String("QColor"))
        return QVariant(QColor(data));
    if (type == QLatin1String("vector"))
        return QVariant(bitsFromText(data));
    if (type == QLatin1String("Util::Vector3D"))
        return vectorFromText(data);
    return QVariant();
}

QString ProcessParameterCodec::displayText(const QVariant &value)
{
    if (value.userType() == qMetaTypeId<Util::Vector3D>())
        return vectorText(value.value<Util::Vector3D>(), 6).replace(QLatin1Char(';'), QLatin1String("; "));
    if (value.userType() == QMetaType::QBitArray)
        return QStringLiteral("%1 bits").arg(value.toBitArray().size());
    if (value.userType() == QMetaType::Bool)
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.toString();
}

} // namespace Model::Persistence
