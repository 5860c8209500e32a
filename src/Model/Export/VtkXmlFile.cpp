#include "Model/Export/VtkXmlFile.h"

#include <QtEndian>

#include <charconv>

namespace Model::Export {
namespace {

template <class Number> QByteArray shortest(Number value)
{
    char text[40];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return QByteArray(text, int(result.ptr - text));
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('"'), QLatin1String("&quot;")).toUtf8();
}

} // namespace

QByteArray VtkXmlFile::number(float value)
{
    return shortest(value);
}

QByteArray VtkXmlFile::number(double value)
{
    return shortest(value);
}

QByteArray VtkXmlFile::dataArray(const char *valueType, const QString &name, int components, uint64_t bytes,
                                 ValueWriter values, int indent)
{
    QByteArray element(indent, ' ');
    element += "<DataArray type=\"" + QByteArray(valueType) + "\" Name=\"" + escaped(name) + '"';
    if (components != 1)
        element += " NumberOfComponents=\"" + QByteArray::number(components) + '"';
    element += " format=\"appended\" offset=\"" + QByteArray::number(qulonglong(nextOffset)) + "\"/>\n";
    arrays.push_back({bytes, std::move(values)});
    nextOffset += sizeof(uint64_t) + bytes;
    return element;
}

bool VtkXmlFile::write(const QString &path, const QByteArray &body, QString *error) const
{
    SafeFileWriter file(path);
    if (file.open()) {
        const char *byteOrder = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? "LittleEndian" : "BigEndian";
        file.write("<?xml version=\"1.0\"?>\n<VTKFile type=\"" + QByteArray(type)
                   + "\" version=\"1.0\" byte_order=\"" + byteOrder + "\" header_type=\"UInt64\">\n");
        file.write(body);
        file.write(QByteArray("  <AppendedData encoding=\"raw\">\n   _"));
        for (const Array &array : arrays) {
            const uint64_t bytes = array.bytes;
            file.write(&bytes, sizeof bytes);
            const uint64_t start = file.written();
            array.values(file);
            if (file.written() != start + bytes)
                file.abandon(QStringLiteral("an array's length differs from its announced length"));
        }
        file.write(QByteArray("\n  </AppendedData>\n</VTKFile>\n"));
    }
    if (file.commit())
        return true;
    if (error)
        *error = file.error();
    return false;
}

} // namespace Model::Export
