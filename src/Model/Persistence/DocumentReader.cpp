#include "Model/Persistence/DocumentReader.h"

#include "Model/Materials/MaterialXml.h"
#include "Model/Object.h"
#include "Model/Persistence/MaterialMerger.h"
#include "Model/Persistence/PlainStateTexts.h"

#include <QXmlStreamReader>

namespace Model::Persistence {
namespace {
const char *const kMaterialWarning =
    "WARNING: There was an error loading a material. This may alter the loaded cell volume.";
} // namespace

DocumentReader::DocumentReader(ArchiverLookup archivers, MaterialMerger &merger, const MaterialIdMap &remap,
                               Warning warning)
    : archivers(std::move(archivers)), merger(merger), remap(remap), warning(std::move(warning))
{
}

bool DocumentReader::read(QIODevice &device)
{
    QXmlStreamReader reader(&device);
    plainTexts = nullptr;
    return readDocument(reader);
}

bool DocumentReader::read(const PlainStateTexts &texts)
{
    QXmlStreamReader reader(texts.remainder());
    plainTexts = &texts;
    const bool done = readDocument(reader);
    plainTexts = nullptr;
    return done;
}

bool DocumentReader::readDocument(QXmlStreamReader &reader)
{
    objects.clear();
    error.clear();
    if (!readHeader(reader))
        return false;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("Object")) {
            if (!readObject(reader))
                break;
        } else if (reader.name() == QLatin1String("Material")) {
            readMaterial(reader);
        }
    }
    if (reader.error() == QXmlStreamReader::CustomError)
        return fail(reader.errorString());
    if (reader.hasError())
        return fail(QStringLiteral("The document is damaged (line %1, column %2): %3")
                        .arg(reader.lineNumber())
                        .arg(reader.columnNumber())
                        .arg(reader.errorString()));
    return true;
}

bool DocumentReader::readHeader(QXmlStreamReader &reader)
{
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("Document"))
        return fail(QStringLiteral("The file is not a Cellfab document: it does not begin with a "
                                   "\"Document\" element."));
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("Header"))
        return fail(QStringLiteral("The document has no \"Header\" element."));
    // The header's version is not needed: there is one format so far.
    return true;
}

void DocumentReader::readMaterial(QXmlStreamReader &reader)
{
    const auto material = Materials::MaterialXml::read(reader);
    if (!material) {
        if (warning)
            warning(QLatin1String(kMaterialWarning));
        return;
    }
    merger.merge(*material);
}

bool DocumentReader::readObject(QXmlStreamReader &reader)
{
    bool ok = false;
    const uint32_t type = reader.attributes().value(QStringLiteral("object-type")).toUInt(&ok, 10);
    const auto archiver = ok && archivers ? archivers(type) : nullptr;
    if (!archiver) {
        reader.skipCurrentElement();
        return true;
    }
    archiver->setReader(&reader);
    archiver->setMaterialIdMap(&remap);
    archiver->setPlainStateTexts(plainTexts);
    auto object = archiver->read();
    archiver->setReader(nullptr);
    archiver->setMaterialIdMap(nullptr);
    archiver->setPlainStateTexts(nullptr);
    if (!object) {
        if (!reader.hasError())
            reader.raiseError(QStringLiteral("An object could not be read."));
        return false;
    }
    objects.push_back(std::move(object));
    return true;
}

bool DocumentReader::fail(const QString &message)
{
    objects.clear();
    error = message;
    return false;
}

} // namespace Model::Persistence
