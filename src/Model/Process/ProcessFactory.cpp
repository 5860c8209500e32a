#include "Model/Process/ProcessFactory.h"

#include "Model/CatalogueFile.h"

#include <QMutexLocker>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace Model::Process {
namespace {

const QString kFileName = QStringLiteral("processes.xml");

std::vector<uint32_t> range(uint32_t first, uint32_t last)
{
    std::vector<uint32_t> ids;
    for (uint32_t id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

std::vector<uint32_t> siliconAnd(std::vector<uint32_t> ids)
{
    ids.insert(ids.begin(), 1);
    return ids;
}

std::vector<Process> builtInProcesses()
{
    const std::vector<uint32_t> siliconKinds = {1, 14, 15, 16};
    return {
        {"Si Wet Etching", 1, {1}},
        {"DRIE", 2, {1}},
        {"CVD", 3, {3, 16}},
        {"PVD", 4, range(4, 10)},
        {"Film Etching", 5, range(3, 13)},
        {"Photolithography", 6, range(3, 13)},
        {"Planarization", 7, {}},
        {"Spin Coating / Soft Lithography", 8, {11, 12, 13}},
        {"Isotropic Deposition", 9, range(3, 10)},
        {"Isotropic Etching", 10, siliconAnd(range(3, 13))},
        {"Electroplating", 11, range(4, 10)},
        {"Simple Si Oxidation", 12, siliconKinds},
        {"Simple Doping", 13, siliconKinds},
        {"Ion Implantation", 14, siliconKinds},
        {"Ion Implantation", 15, siliconKinds},
        {"Anisotropic Deposition", 16, siliconAnd(range(3, 16))},
        {"Anisotropic Etching", 17, siliconAnd(range(3, 16))},
        {"Isotropic Deposition", 18, siliconAnd(range(3, 16))},
    };
}

// Ids separated by ";", empty parts skipped; a part that is no number reads as 0.
std::vector<uint32_t> parseMaterialList(const QString &text)
{
    std::vector<uint32_t> ids;
    for (const QString &part : text.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        ids.push_back(part.trimmed().toUInt());
    return ids;
}

QString materialListText(const std::vector<uint32_t> &ids)
{
    QStringList parts;
    for (uint32_t id : ids)
        parts << QString::number(id);
    return parts.join(QLatin1Char(';'));
}

// Reads one "Process" element and the "CompatibleMaterials" element that follows it.
void readProcess(QXmlStreamReader &reader, std::map<uint32_t, Process> &into)
{
    if (reader.name() != QLatin1String("Process"))
        return;
    const auto attributes = reader.attributes();
    Process process(attributes.value(QLatin1String("name")).toString(),
                    attributes.value(QLatin1String("process-id")).toUInt());
    if (reader.readNextStartElement() && reader.name() == QLatin1String("CompatibleMaterials")) {
        reader.readNext();
        if (reader.isCharacters()) {
            for (uint32_t id : parseMaterialList(reader.text().toString()))
                process.addCompatibleMaterial(id);
        }
    }
    if (process.getId() != 0)
        into[process.getId()] = process;
}

} // namespace

std::shared_ptr<ProcessFactory> ProcessFactory::instance()
{
    static const std::shared_ptr<ProcessFactory> factory(new ProcessFactory);
    return factory;
}

void ProcessFactory::initialize()
{
    if (loadProcesses())
        addMissingDefaultProcesses();
    else
        createDefaultProcesses();
    saveProcesses();
}

bool ProcessFactory::loadProcesses()
{
    std::map<uint32_t, Process> loaded;
    const bool ok = CatalogueFile::load(
        kFileName, QStringLiteral("Processes"),
        [&loaded](QXmlStreamReader &reader) { readProcess(reader, loaded); },
        "Model/Process/processfactory: bool Model::Process::ProcessFactory::loadProcesses()");
    if (!ok)
        return false;
    QMutexLocker lock(&mutex);
    processes = std::move(loaded);
    return true;
}

void ProcessFactory::saveProcesses()
{
    QMutexLocker lock(&mutex);
    CatalogueFile::save(kFileName, QStringLiteral("Processes"), [this](QXmlStreamWriter &writer) {
        for (const auto &entry : processes) {
            const Process &process = entry.second;
            writer.writeStartElement(QStringLiteral("Process"));
            writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1"));
            writer.writeAttribute(QStringLiteral("name"), process.getName());
            writer.writeAttribute(QStringLiteral("process-id"), QString::number(process.getId()));
            writer.writeTextElement(QStringLiteral("CompatibleMaterials"),
                                    materialListText(process.getCompatibleMaterials()));
            writer.writeEndElement();
        }
    });
}

void ProcessFactory::createDefaultProcesses()
{
    QMutexLocker lock(&mutex);
    processes.clear();
    for (const Process &process : builtInProcesses())
        processes[process.getId()] = process;
}

void ProcessFactory::addMissingDefaultProcesses()
{
    QMutexLocker lock(&mutex);
    for (const Process &process : builtInProcesses())
        processes.emplace(process.getId(), process);
}

Process ProcessFactory::getProcess(uint32_t id)
{
    QMutexLocker lock(&mutex);
    const auto found = processes.find(id);
    return found == processes.end() ? Process() : found->second;
}

std::vector<Process> ProcessFactory::getProcesses()
{
    QMutexLocker lock(&mutex);
    std::vector<Process> result;
    result.reserve(processes.size());
    for (const auto &entry : processes)
        result.push_back(entry.second);
    return result;
}

bool ProcessFactory::setProcess(const Process &process)
{
    if (process.getId() == 0)
        return false;
    QMutexLocker lock(&mutex);
    processes[process.getId()] = process;
    return true;
}

} // namespace Model::Process
