#pragma once

#include <QString>
#include <QVariant>

namespace Model::Persistence {

// The text form of process-list parameter values: a type text ("bool", "float", "double",
// "int", "uint", "QString", "QColor", "vector" for bit vectors, "Util::Vector3D") and a data
// text. Vectors are written as x;y;z with ten significant digits, bit vectors as one "1" or
// "0" per bit.
class ProcessParameterCodec {
public:
    struct Encoded {
        QString type;
        QString data;
    };

    static Encoded encode(const QVariant &value);
    // An invalid value for an unknown type text. Data that does not parse as its numeric or
    // vector type is kept as text, so a step using it reports an invalid value.
    static QVariant decode(const QString &type, const QString &data);
    // The text the batch dialog shows for a value.
    static QString displayText(const QVariant &value);
};

} // namespace Model::Persistence
