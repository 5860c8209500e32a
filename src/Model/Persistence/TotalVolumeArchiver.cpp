#include "Model/Persistence/TotalVolumeArchiver.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Persistence/CellStateText.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>

namespace Model::Persistence {
namespace {

using Model::Automaton::TotalVolume;

// Cells written per piece of State text, so the text never needs one huge string.
constexpr size_t kCellsPerPiece = 1 << 16;

const char *const kSizeNames[3] = {"size-x", "size-y", "size-z"};
const char *const kCellSizeNames[3] = {"cellsize-x", "cellsize-y", "cellsize-z"};
const char *const kPositionNames[3] = {"pos-x", "pos-y", "pos-z"};

QString number6(double value)
{
    return QString::number(value, 'g', 6);
}

// A floating attribute: `fallback` when absent; false when present but not a finite number.
bool readFiniteAttribute(const QXmlStreamAttributes &attributes, const char *name, double fallback,
                         double &value)
{
    const QString key = QLatin1String(name);
    if (!attributes.hasAttribute(key)) {
        value = fallback;
        return true;
    }
    bool ok = false;
    value = attributes.value(key).toDouble(&ok);
    return ok && std::isfinite(value);
}

} // namespace

bool TotalVolumeArchiver::write(const std::shared_ptr<Model::Object> &object)
{
    auto volume = std::dynamic_pointer_cast<TotalVolume>(object);
    if (!writer || !volume)
        return false;
    writer->writeStartElement(QStringLiteral("Object"));
    writer->writeAttribute(QStringLiteral("object-type"), QString::number(volume->getType()));
    writer->writeAttribute(QStringLiteral("size-x"), QString::number(volume->getSizeX()));
    writer->writeAttribute(QStringLiteral("size-y"), QString::number(volume->getSizeY()));
    writer->writeAttribute(QStringLiteral("size-z"), QString::number(volume->getSizeZ()));
    writer->writeAttribute(QStringLiteral("cellsize-x"), number6(volume->getCellSizeX()));
    writer->writeAttribute(QStringLiteral("cellsize-y"), number6(volume->getCellSizeY()));
    writer->writeAttribute(QStringLiteral("cellsize-z"), number6(volume->getCellSizeZ()));
    writeState(*volume);
    const Util::Vector3D position = volume->getPosition();
    writer->writeStartElement(QStringLiteral("Position"));
    writer->writeAttribute(QStringLiteral("pos-x"), number6(position.x));
    writer->writeAttribute(QStringLiteral("pos-y"), number6(position.y));
    writer->writeAttribute(QStringLiteral("pos-z"), number6(position.z));
    writer->writeEndElement();
    writer->writeEndElement();
    return !writer->hasError();
}

void TotalVolumeArchiver::writeState(TotalVolume &volume)
{
    writer->writeStartElement(QStringLiteral("State"));
    const size_t count = size_t(volume.getCellCount());
    std::vector<uint32_t> ids(std::min(count, kCellsPerPiece));
    QString text;
    {
        const Model::Automaton::CellsLocker lock(volume);
        const Model::Automaton::Voxel *cells = lock.get();
        for (size_t start = 0; start < count && !writer->hasError(); start += kCellsPerPiece) {
            const size_t end = std::min(count, start + kCellsPerPiece);
            for (size_t i = start; i < end; ++i)
                ids[i - start] = cells[i].materialId;
            text.clear();
            CellStateText::append(text, ids.data(), ids.data() + (end - start), idMap);
            writer->writeCharacters(text);
        }
    }
    writer->writeEndElement();
}

std::shared_ptr<Model::Object> TotalVolumeArchiver::read()
{
    if (!reader)
        return nullptr;
    uint32_t sizes[3] = {0, 0, 0};
    float cellSizes[3] = {1.0f, 1.0f, 1.0f};
    if (!readSizes(sizes, cellSizes))
        return nullptr;

    std::vector<uint32_t> ids(size_t(sizes[0]) * sizes[1] * sizes[2], 0);
    double position[3] = {0.0, 0.0, 0.0};
    bool child = reader->readNextStartElement();
    if (child && reader->name() == QLatin1String("State")) {
        readState(ids);
        child = !reader->hasError() && reader->readNextStartElement();
    }
    if (child && reader->name() == QLatin1String("Position")) {
        if (!readPosition(position))
            return nullptr;
        reader->skipCurrentElement();
        child = reader->readNextStartElement();
    }
    while (child) {
        reader->skipCurrentElement();
        child = reader->readNextStartElement();
    }
    if (reader->hasError())
        return nullptr;
    return std::make_shared<TotalVolume>(sizes[0], sizes[1], sizes[2], cellSizes[0], cellSizes[1],
                                         cellSizes[2], Util::Vector3D(position[0], position[1], position[2]),
                                         ids);
}

bool TotalVolumeArchiver::readSizes(uint32_t sizes[3], float cellSizes[3])
{
    const QXmlStreamAttributes attributes = reader->attributes();
    for (int axis = 0; axis < 3; ++axis) {
        const QString key = QLatin1String(kSizeNames[axis]);
        bool ok = false;
        sizes[axis] = attributes.value(key).toUInt(&ok, 10);
        if (!ok) {
            reader->raiseError(QStringLiteral("A cell volume has no valid \"%1\" attribute.").arg(key));
            return false;
        }
    }
    if (!TotalVolume::isAllocatable(sizes[0], sizes[1], sizes[2])) {
        reader->raiseError(QStringLiteral("A cell volume of %1 x %2 x %3 cells is empty or too large "
                                          "for this computer.")
                               .arg(sizes[0])
                               .arg(sizes[1])
                               .arg(sizes[2]));
        return false;
    }
    for (int axis = 0; axis < 3; ++axis) {
        double value = 1.0;
        if (!readFiniteAttribute(attributes, kCellSizeNames[axis], 1.0, value) || value <= 0.0
            || !std::isfinite(float(value))) {
            reader->raiseError(QStringLiteral("A cell volume has an invalid \"%1\" attribute.")
                                   .arg(QLatin1String(kCellSizeNames[axis])));
            return false;
        }
        cellSizes[axis] = float(value);
    }
    return true;
}

void TotalVolumeArchiver::readState(std::vector<uint32_t> &ids)
{
    CellStateParser parser(ids, idMap);
    while (!reader->atEnd()) {
        switch (reader->readNext()) {
        case QXmlStreamReader::Characters: {
            const QStringRef text = reader->text();
            parser.feed(text.constData(), text.constData() + text.size());
            break;
        }
        case QXmlStreamReader::StartElement: reader->skipCurrentElement(); break;
        case QXmlStreamReader::EndElement: parser.finish(); return;
        default: break;
        }
    }
}

bool TotalVolumeArchiver::readPosition(double position[3])
{
    const QXmlStreamAttributes attributes = reader->attributes();
    for (int axis = 0; axis < 3; ++axis) {
        if (!readFiniteAttribute(attributes, kPositionNames[axis], 0.0, position[axis])) {
            reader->raiseError(QStringLiteral("A cell volume has an invalid \"%1\" attribute.")
                                   .arg(QLatin1String(kPositionNames[axis])));
            return false;
        }
    }
    return true;
}

} // namespace Model::Persistence
