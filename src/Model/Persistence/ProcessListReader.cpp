#include "Model/Persistence/ProcessListReader.h"

#include "Model/Materials/MaterialFactory.h"
#include "Model/Materials/MaterialXml.h"
#include "Model/Persistence/MaterialMerger.h"
#include "Model/Persistence/MaterialParameters.h"
#include "Model/Persistence/ProcessParameterCodec.h"

#include <QFile>
#include <QXmlStreamReader>

namespace Model::Persistence {
namespace {

// Parameter names of old lists and their current names.
const std::pair<const char *, const char *> kRenamedParameters[] = {
    {"DopedMaterialId", "Doped Material_Id"},
    {"ConductingMaterialId", "Conducting Material_Id"},
    {"DepositedMaterialId", "Deposited Material_Id"},
    {"MaterialId", "Material_Id"},
};

const QString kIdSuffix = QStringLiteral("_Id");

} // namespace

const char *const ProcessListReader::kUpdatedListTitle = "Updated List";
const char *const ProcessListReader::kUpdatedListText =
    "The process list you loaded is in an old format. It has been updated automatically. We recommend you "
    "save "
    "this updated version.";

ProcessListReader::Result ProcessListReader::load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        Result result;
        result.error = QStringLiteral("The file %1 could not be opened: %2").arg(path, file.errorString());
        return result;
    }
    return read(file);
}

ProcessListReader::Result ProcessListReader::read(QIODevice &device)
{
    Result result;
    result.status = Status::Failed;
    QXmlStreamReader reader(&device);
    bool found = false;
    while (!found && !reader.atEnd())
        found = reader.readNext() == QXmlStreamReader::StartElement
                && reader.name() == QLatin1String("Process-List");
    if (!found) {
        result.error =
            reader.hasError() && reader.error() != QXmlStreamReader::PrematureEndOfDocumentError
                ? QStringLiteral("The file is not a process list: %1").arg(reader.errorString())
                : QStringLiteral("The file is not a process list: it has no \"Process-List\" element.");
        return result;
    }
    // The list's version is not needed: there is one format so far.

    MaterialIdMap remap;
    MaterialMerger merger(*Materials::MaterialFactory::instance(), remap, resolver);
    std::vector<Ui::ProcessData> entries;
    bool child = reader.readNextStartElement();
    if (child && reader.name() == QLatin1String("Materials")) {
        readMaterials(reader, merger);
        child = reader.readNextStartElement();
    }
    while (child) {
        if (reader.name() == QLatin1String("Process-Data"))
            entries.push_back(readEntry(reader, entries.size() + 1, result));
        else
            reader.skipCurrentElement();
        child = reader.readNextStartElement();
    }
    while (!reader.atEnd())
        reader.readNext();
    if (reader.hasError()) {
        result.error = QStringLiteral("The process list is damaged (line %1, column %2): %3")
                           .arg(reader.lineNumber())
                           .arg(reader.columnNumber())
                           .arg(reader.errorString());
        result.notes.clear();
        return result;
    }
    for (Ui::ProcessData &entry : entries) {
        if (upgrade(entry))
            result.upgraded = true;
        remapMaterials(entry, remap, merger, result);
    }
    merger.commit();
    result.entries = std::move(entries);
    result.status = Status::Done;
    return result;
}

void ProcessListReader::readMaterials(QXmlStreamReader &reader, MaterialMerger &merger)
{
    while (reader.readNextStartElement()) {
        if (const auto material = Materials::MaterialXml::read(reader))
            merger.merge(*material);
        reader.skipCurrentElement();
    }
}

Ui::ProcessData ProcessListReader::readEntry(QXmlStreamReader &reader, size_t position, Result &result)
{
    if (reader.name() != QLatin1String("Process-Data")) {
        reader.skipCurrentElement();
        return Ui::ProcessData(Ui::ProcessData::kNotAProcess);
    }
    bool ok = false;
    const uint32_t type = reader.attributes().value(QStringLiteral("process-type")).toUInt(&ok, 10);
    Ui::ProcessData entry(ok ? type : Ui::ProcessData::kNotAProcess);
    if (!ok)
        result.notes << QStringLiteral("Entry %1 has no valid process type.").arg(position);
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Parameter")) {
            const QXmlStreamAttributes attributes = reader.attributes();
            const QString name = attributes.value(QStringLiteral("parameter-name")).toString();
            const QString type = attributes.value(QStringLiteral("parameter-type")).toString();
            const QVariant value = ProcessParameterCodec::decode(
                type, attributes.value(QStringLiteral("parameter-data")).toString());
            if (!value.isValid())
                result.notes
                    << QStringLiteral(
                           "Entry %1: parameter \"%2\" has the unknown type \"%3\"; it has no value.")
                           .arg(position)
                           .arg(name, type);
            entry.setProcessParameter(name, value,
                                      attributes.value(QStringLiteral("parameter-visibility"))
                                          == QLatin1String("true"));
        }
        reader.skipCurrentElement();
    }
    return entry;
}

bool ProcessListReader::upgrade(Ui::ProcessData &entry)
{
    bool upgraded = false;
    for (const auto &renamed : kRenamedParameters) {
        const QString oldName = QLatin1String(renamed.first);
        if (!entry.hasProcessParameter(oldName))
            continue;
        entry.setProcessParameter(QLatin1String(renamed.second), entry.getProcessParameter(oldName),
                                  entry.getParameterVisibility(oldName));
        upgraded = true;
    }
    return upgraded;
}

void ProcessListReader::remapMaterials(Ui::ProcessData &entry, const MaterialIdMap &remap,
                                       const MaterialMerger &merger, Result &result)
{
    for (const QString &name : entry.getParameterNames()) {
        if (!name.endsWith(kIdSuffix))
            continue;
        bool ok = false;
        const uint32_t id = entry.getProcessParameter(name).toUInt(&ok);
        if (!ok) {
            result.notes << QStringLiteral("Parameter \"%1\" is not a material id.").arg(name);
            continue;
        }
        const auto found = remap.find(id);
        const uint32_t newId = found == remap.end() ? 0 : found->second;
        Materials::Material material = merger.materialById(newId);
        material.setId(newId);
        MaterialParameters::set(entry, name.left(name.size() - kIdSuffix.size()), material);
    }
}

} // namespace Model::Persistence
