#include "Model/Persistence/ProcessListWriter.h"

#include "Model/Materials/MaterialFactory.h"
#include "Model/Materials/MaterialXml.h"
#include "Model/Persistence/ProcessParameterCodec.h"

#include <QSaveFile>
#include <QXmlStreamWriter>

namespace Model::Persistence {
namespace {

void writeEntry(QXmlStreamWriter &writer, const Ui::ProcessData &entry)
{
    writer.writeStartElement(QStringLiteral("Process-Data"));
    writer.writeAttribute(QStringLiteral("process-type"), QString::number(entry.getProcessType()));
    const QVariantMap &parameters = entry.getParameters();
    for (auto it = parameters.constBegin(); it != parameters.constEnd(); ++it) {
        const auto encoded = ProcessParameterCodec::encode(it.value());
        writer.writeEmptyElement(QStringLiteral("Parameter"));
        writer.writeAttribute(QStringLiteral("parameter-name"), it.key());
        writer.writeAttribute(QStringLiteral("parameter-type"), encoded.type);
        writer.writeAttribute(QStringLiteral("parameter-data"), encoded.data);
        writer.writeAttribute(QStringLiteral("parameter-visibility"), entry.getParameterVisibility(it.key())
                                                                          ? QStringLiteral("true")
                                                                          : QStringLiteral("false"));
    }
    writer.writeEndElement();
}

} // namespace

bool ProcessListWriter::write(QIODevice &device, const std::vector<Ui::ProcessData> &entries,
                              const std::vector<Materials::Material> &materials)
{
    QXmlStreamWriter writer(&device);
    writer.setAutoFormatting(true);
    writer.writeStartDocument(QStringLiteral("1.0"));
    writer.writeStartElement(QStringLiteral("Process-List"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
    writer.writeStartElement(QStringLiteral("Materials"));
    for (const Materials::Material &material : materials)
        Materials::MaterialXml::write(writer, material);
    writer.writeEndElement();
    for (const Ui::ProcessData &entry : entries)
        writeEntry(writer, entry);
    writer.writeEndElement();
    writer.writeEndDocument();
    return !writer.hasError();
}

bool ProcessListWriter::save(const QString &path, const std::vector<Ui::ProcessData> &entries, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("The file %1 could not be opened for writing: %2")
                         .arg(path, file.errorString());
        return false;
    }
    const auto materials = Materials::MaterialFactory::instance()->getMaterials();
    if (!write(file, entries, materials) || !file.commit()) {
        if (error)
            *error = QStringLiteral("The process list could not be written to %1: %2")
                         .arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace Model::Persistence
