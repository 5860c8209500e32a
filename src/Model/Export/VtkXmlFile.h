#pragma once

#include "Model/Export/SafeFileWriter.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

namespace Model::Export {

// The frame shared by the VTK XML writers: the VTKFile element, DataArray elements whose
// values follow the XML in one raw appended block (each array preceded by its byte count as a
// 64-bit word), and the write through a temporary file.
class VtkXmlFile {
public:
    // Streams an array's values to the file; it must write exactly the announced byte count.
    using ValueWriter = std::function<void(SafeFileWriter &file)>;

    // `type`: "ImageData", "PolyData", ...
    explicit VtkXmlFile(const char *type) : type(type) {}

    // Adds an array and returns its DataArray element (indented by `indent` blanks).
    QByteArray dataArray(const char *valueType, const QString &name, int components, uint64_t bytes,
                         ValueWriter values, int indent);

    // Writes <VTKFile> around `body` (the dataset element), then the appended block.
    bool write(const QString &path, const QByteArray &body, QString *error) const;

    // Shortest text that reads back as the same number.
    static QByteArray number(float value);
    static QByteArray number(double value);

private:
    struct Array {
        uint64_t bytes;
        ValueWriter values;
    };

    const char *type;
    std::vector<Array> arrays;
    uint64_t nextOffset = 0;
};

} // namespace Model::Export
