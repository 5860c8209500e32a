#include "Model/Persistence/TotalVolumeArchiver.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Persistence/CellStateText.h"
#include "Model/Persistence/PlainStateTexts.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <new>

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

// Every cell empty; null when the memory cannot be had.
std::shared_ptr<TotalVolume> buildEmptyVolume(const TotalVolumeArchiver::Shape &shape)
{
    try {
        return std::make_shared<TotalVolume>(shape.sizes[0], shape.sizes[1], shape.sizes[2],
                                             shape.cellSizes[0], shape.cellSizes[1], shape.cellSizes[2],
                                             Util::Vector3D(), std::vector<uint32_t>());
    } catch (const std::bad_alloc &) {
        return nullptr;
    }
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
    QByteArray text;
    {
        const Model::Automaton::CellsLocker lock(volume);
        const Model::Automaton::Voxel *cells = lock.get();
        for (size_t start = 0; start < count && !writer->hasError(); start += kCellsPerPiece) {
            const size_t end = std::min(count, start + kCellsPerPiece);
            for (size_t i = start; i < end; ++i)
                ids[i - start] = cells[i].materialId;
            text.resize(0);
            CellStateText::append(text, ids.data(), ids.data() + (end - start), idMap);
            writer->writeCharacters(QString::fromLatin1(text));
        }
    }
    writer->writeEndElement();
}

std::shared_ptr<Model::Object> TotalVolumeArchiver::read()
{
    if (!reader)
        return nullptr;
    Shape shape;
    if (!readSizes(shape))
        return nullptr;
    // The cells come zeroed and untouched from the system; the State text is parsed into them.
    const std::shared_ptr<TotalVolume> volume = buildEmptyVolume(shape);
    if (!volume) {
        reader->raiseError(
            QStringLiteral("There is not enough memory for a cell volume of %1 x %2 x %3 cells.")
                .arg(shape.sizes[0])
                .arg(shape.sizes[1])
                .arg(shape.sizes[2]));
        return nullptr;
    }
    double position[3] = {0.0, 0.0, 0.0};
    {
        const Model::Automaton::CellsLocker cells(*volume);
        if (!readContent(shape, cells.get(), position))
            return nullptr;
    }
    volume->translate(Util::Vector3D(position[0], position[1], position[2]));
    return volume;
}

bool TotalVolumeArchiver::readSizes(Shape &shape)
{
    const QXmlStreamAttributes attributes = reader->attributes();
    for (int axis = 0; axis < 3; ++axis) {
        const QString key = QLatin1String(kSizeNames[axis]);
        bool ok = false;
        shape.sizes[axis] = attributes.value(key).toUInt(&ok, 10);
        if (!ok) {
            reader->raiseError(QStringLiteral("A cell volume has no valid \"%1\" attribute.").arg(key));
            return false;
        }
    }
    if (!TotalVolume::isAllocatable(shape.sizes[0], shape.sizes[1], shape.sizes[2])) {
        reader->raiseError(QStringLiteral("A cell volume of %1 x %2 x %3 cells is empty or too large "
                                          "for this computer.")
                               .arg(shape.sizes[0])
                               .arg(shape.sizes[1])
                               .arg(shape.sizes[2]));
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
        shape.cellSizes[axis] = float(value);
    }
    return true;
}

// The State text into the cells, then the Position; other children are passed over.
bool TotalVolumeArchiver::readContent(const Shape &shape, Model::Automaton::Voxel *cells, double position[3])
{
    bool child = reader->readNextStartElement();
    if (child && reader->name() == QLatin1String("State")) {
        readState(cells, shape.cellCount());
        child = !reader->hasError() && reader->readNextStartElement();
    }
    if (child && reader->name() == QLatin1String("Position")) {
        if (!readPosition(position))
            return false;
        reader->skipCurrentElement();
        child = reader->readNextStartElement();
    }
    while (child) {
        reader->skipCurrentElement();
        child = reader->readNextStartElement();
    }
    return !reader->hasError();
}

void TotalVolumeArchiver::readState(Model::Automaton::Voxel *cells, uint64_t count)
{
    CellStateParser parser(cells, count, idMap);
    // A plain text the document reader took out is parsed from the file's bytes; the element
    // then reads as empty.
    if (plainTexts) {
        if (const PlainStateTexts::Text *text = plainTexts->textAt(reader->characterOffset()))
            parser.feed(text->begin, text->end);
    }
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
    parser.finish();
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
