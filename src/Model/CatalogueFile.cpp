#include "Model/CatalogueFile.h"

#include "Util/SettingsFolder.h"

#include <QDebug>
#include <QFile>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace Model {

bool CatalogueFile::load(const QString &fileName, const QString &rootName, const ElementReader &readElement,
                         const char *where)
{
    QFile file(Util::SettingsFolder::filePath(fileName));
    if (!file.exists() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QXmlStreamReader reader(&file);
    if (!reader.readNextStartElement() || reader.name() != rootName)
        return false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement())
            readElement(reader);
    }
    if (reader.hasError()) {
        qDebug() << where << reader.errorString();
        return false;
    }
    return true;
}

void CatalogueFile::save(const QString &fileName, const QString &rootName, const BodyWriter &writeBody)
{
    if (!Util::SettingsFolder::ensureExists())
        return;
    // Written beside the target and renamed over it, so a failed write keeps the old file.
    QSaveFile file(Util::SettingsFolder::filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return;
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(rootName);
    writeBody(writer);
    writer.writeEndElement();
    writer.writeEndDocument();
    if (!writer.hasError())
        file.commit();
}

} // namespace Model
