#include "Core/Batch/NetlistOutput.h"

#include "Model/ModelExtraction/CantileverModelRule.h"
#include "Model/ModelExtraction/NetlistFile.h"

#include <QCommandLineParser>

namespace Core::Batch {
namespace {
const QString kOption = QStringLiteral("netlist");
}

void NetlistOutput::addOption(QCommandLineParser &parser)
{
    parser.addOption(QCommandLineOption(kOption, QString(), QStringLiteral("OUT.cir")));
}

NetlistOutput NetlistOutput::read(const QCommandLineParser &parser, QString &error)
{
    NetlistOutput output;
    if (!parser.isSet(kOption))
        return output;
    output.path = parser.value(kOption);
    if (output.path.isEmpty() && error.isEmpty())
        error = QStringLiteral("--netlist needs a file name.");
    return output;
}

bool NetlistOutput::write(Model::Automaton::TotalVolume *volume, QString &error) const
{
    using Model::ModelExtraction::NetlistFile;
    const QString netlist =
        volume ? Model::ModelExtraction::CantileverModelRule::netlistOf(*volume) : QString();
    if (netlist.isEmpty()) {
        error = QLatin1String(NetlistFile::kNoModelData);
        return false;
    }
    return NetlistFile::write(path, netlist, &error);
}

} // namespace Core::Batch
