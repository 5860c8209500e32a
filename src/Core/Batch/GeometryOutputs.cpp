#include "Core/Batch/GeometryOutputs.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Export/GeometryExport.h"

#include <QCommandLineParser>

namespace Core::Batch {
namespace {

struct OptionField {
    const char *name;
    const char *valueName;
    QString GeometryOutputs::*path;
};

const OptionField kOptions[] = {
    {"vtk", "OUT.vti", &GeometryOutputs::vtiPath},
    {"stl", "OUT.stl", &GeometryOutputs::stlPath},
    {"vtp", "OUT.vtp", &GeometryOutputs::vtpPath},
};

} // namespace

void GeometryOutputs::addOptions(QCommandLineParser &parser)
{
    for (const OptionField &option : kOptions)
        parser.addOption(
            QCommandLineOption(QLatin1String(option.name), QString(), QLatin1String(option.valueName)));
}

GeometryOutputs GeometryOutputs::read(const QCommandLineParser &parser, QString &error)
{
    GeometryOutputs outputs;
    for (const OptionField &option : kOptions) {
        const QString name = QLatin1String(option.name);
        if (!parser.isSet(name))
            continue;
        outputs.*option.path = parser.value(name);
        if ((outputs.*option.path).isEmpty() && error.isEmpty())
            error = QStringLiteral("--%1 needs a file name.").arg(name);
    }
    return outputs;
}

QStringList GeometryOutputs::write(Model::Automaton::TotalVolume *volume) const
{
    QStringList failures;
    const QString *paths[] = {&vtiPath, &stlPath, &vtpPath};
    if (!volume) {
        for (const QString *path : paths) {
            if (!path->isEmpty())
                failures << QStringLiteral("%1: there is no cell volume to export").arg(*path);
        }
        return failures;
    }
    if (!stlPath.isEmpty() || !vtpPath.isEmpty())
        volume->refreshDrawingData();
    QString error;
    if (!vtiPath.isEmpty() && !Model::Export::exportVolume(*volume, vtiPath, &error))
        failures << error;
    if (!stlPath.isEmpty()
        && !Model::Export::exportSurfaceMesh(*volume, stlPath, Model::Export::MeshFormat::Stl, &error))
        failures << error;
    if (!vtpPath.isEmpty()
        && !Model::Export::exportSurfaceMesh(*volume, vtpPath, Model::Export::MeshFormat::Vtp, &error))
        failures << error;
    return failures;
}

} // namespace Core::Batch
