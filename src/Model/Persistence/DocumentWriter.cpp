#include "Model/Persistence/DocumentWriter.h"

#include "Model/Materials/MaterialXml.h"
#include "Model/Object.h"

#include <QXmlStreamWriter>

namespace Model::Persistence {

bool DocumentWriter::write(QIODevice &device, const std::vector<std::shared_ptr<Model::Object>> &objects,
                           const std::vector<Materials::Material> &materials, const ArchiverLookup &archivers)
{
    QXmlStreamWriter writer(&device);
    writer.setAutoFormatting(false);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("Document"));
    writer.writeEmptyElement(QStringLiteral("Header"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    bool ok = !writer.hasError();
    for (const Materials::Material &material : materials)
        ok = ok && Materials::MaterialXml::write(writer, material);
    for (const auto &object : objects) {
        if (!ok)
            break;
        const auto archiver = archivers ? archivers(object->getType()) : nullptr;
        if (!archiver)
            continue;
        archiver->setWriter(&writer);
        archiver->setMaterialIdMap(nullptr);
        ok = archiver->write(object);
        archiver->setWriter(nullptr);
    }
    writer.writeEndElement();
    writer.writeEndDocument();
    return ok && !writer.hasError();
}

} // namespace Model::Persistence
