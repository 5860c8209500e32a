#include "Core/Batch/StepParameters.h"

#include "Core/Batch/BatchResult.h"
#include "Model/Persistence/ProcessData.h"
#include "Model/Persistence/ProcessParameterCodec.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace Core::Batch {
namespace {

bool isWholeNumberType(int type)
{
    return type == QMetaType::Int || type == QMetaType::UInt || type == QMetaType::LongLong
           || type == QMetaType::ULongLong || type == QMetaType::Short || type == QMetaType::UShort;
}

bool isFloatingType(int type)
{
    return type == QMetaType::Double || type == QMetaType::Float;
}

// A whole number within [low, high] from a number or decimal text.
bool wholeNumber(const QVariant &value, double low, double high, double &result)
{
    const int type = value.userType();
    bool ok = false;
    if (type == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        const qlonglong parsed = text.toLongLong(&ok, 10);
        result = double(parsed);
    } else if (isWholeNumberType(type)) {
        result = double(value.toLongLong(&ok));
        if (type == QMetaType::ULongLong)
            result = double(value.toULongLong(&ok));
    } else if (isFloatingType(type)) {
        result = value.toDouble(&ok);
        ok = ok && std::isfinite(result) && std::floor(result) == result;
    }
    return ok && result >= low && result <= high;
}

bool floatingNumber(const QVariant &value, double &result)
{
    const int type = value.userType();
    bool ok = false;
    if (type == QMetaType::QString)
        result = value.toString().trimmed().toDouble(&ok);
    else if (isFloatingType(type) || isWholeNumberType(type))
        result = value.toDouble(&ok);
    return ok && std::isfinite(result);
}

} // namespace

QVariant StepParameters::fetch(const QString &name)
{
    if (!entry.hasProcessParameter(name)) {
        entry.getProcessParameter(name); // logs the missing parameter
        anyMissing = true;
        return QVariant();
    }
    const QVariant value = entry.getProcessParameter(name);
    if (!value.isValid())
        anyInvalid = true;
    return value;
}

uint32_t StepParameters::toUInt(const QString &name)
{
    const QVariant value = fetch(name);
    double number = 0;
    if (!value.isValid() || !wholeNumber(value, 0, std::numeric_limits<uint32_t>::max(), number))
        return value.isValid() ? invalid<uint32_t>() : 0;
    return uint32_t(number);
}

int32_t StepParameters::toInt(const QString &name)
{
    const QVariant value = fetch(name);
    double number = 0;
    if (!value.isValid()
        || !wholeNumber(value, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(),
                        number))
        return value.isValid() ? invalid<int32_t>() : 0;
    return int32_t(number);
}

float StepParameters::toFloat(const QString &name)
{
    const double value = toDouble(name);
    if (!std::isfinite(float(value)))
        return invalid<float>();
    return float(value);
}

double StepParameters::toDouble(const QString &name)
{
    const QVariant value = fetch(name);
    double number = 0;
    if (!value.isValid() || !floatingNumber(value, number))
        return value.isValid() ? invalid<double>() : 0.0;
    return number;
}

float StepParameters::toFloatWithin(const QString &name, double low, double high)
{
    return float(toDoubleWithin(name, low, high));
}

double StepParameters::toDoubleWithin(const QString &name, double low, double high)
{
    const double value = toDouble(name);
    return value >= low && value <= high ? value : invalid<double>(low);
}

int32_t StepParameters::toIntWithin(const QString &name, int32_t low, int32_t high)
{
    const int32_t value = toInt(name);
    return value >= low && value <= high ? value : invalid<int32_t>(low);
}

bool StepParameters::toBool(const QString &name)
{
    const QVariant value = fetch(name);
    if (!value.isValid())
        return false;
    if (value.userType() == QMetaType::Bool)
        return value.toBool();
    const QString text = value.toString().trimmed();
    if (value.userType() == QMetaType::QString
        && (text == QLatin1String("true") || text == QLatin1String("1")))
        return true;
    if (value.userType() == QMetaType::QString
        && (text == QLatin1String("false") || text == QLatin1String("0")))
        return false;
    return invalid<bool>();
}

QString StepParameters::toText(const QString &name)
{
    const QVariant value = fetch(name);
    if (!value.isValid())
        return QString();
    if (!value.canConvert<QString>())
        return invalid<QString>();
    return value.toString();
}

Util::Vector3D StepParameters::toVector(const QString &name)
{
    QVariant value = fetch(name);
    if (!value.isValid())
        return Util::Vector3D();
    if (value.userType() == QMetaType::QString)
        value = Model::Persistence::ProcessParameterCodec::decode(QStringLiteral("Util::Vector3D"),
                                                                  value.toString());
    if (value.userType() != qMetaTypeId<Util::Vector3D>())
        return invalid<Util::Vector3D>();
    const auto vector = value.value<Util::Vector3D>();
    if (!std::isfinite(vector.x) || !std::isfinite(vector.y) || !std::isfinite(vector.z))
        return invalid<Util::Vector3D>();
    return vector;
}

QBitArray StepParameters::toBits(const QString &name)
{
    QVariant value = fetch(name);
    if (!value.isValid())
        return QBitArray();
    if (value.userType() == QMetaType::QString) {
        const QString text = value.toString();
        if (text.contains(QRegularExpression(QStringLiteral("[^01]"))))
            return invalid<QBitArray>();
        value = Model::Persistence::ProcessParameterCodec::decode(QStringLiteral("vector"), text);
    }
    if (value.userType() != QMetaType::QBitArray)
        return invalid<QBitArray>();
    return value.toBitArray();
}

int StepParameters::resultCode() const
{
    if (anyMissing)
        return MissingParameter;
    return anyInvalid ? InvalidParameter : Success;
}

} // namespace Core::Batch
