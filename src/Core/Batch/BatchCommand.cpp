#include "Core/Batch/BatchCommand.h"

#include "Core/Batch/BatchCommandLine.h"
#include "Core/Batch/BatchContext.h"
#include "Core/Batch/BatchResult.h"
#include "Core/Batch/ProcessListRun.h"
#include "Core/Operations/ExportData/CSVDataExporter.h"
#include "Core/Workspace/Scene.h"
#include "Core/Workspace/VolumeRecords.h"
#include "Model/Automaton/TotalVolume.h"
#include "Model/Persistence/DocumentFile.h"
#include "Model/Persistence/ProcessListReader.h"

#include <QTextStream>
#include <QThreadPool>

namespace Core::Batch {
namespace {

// Without anyone to ask, a conflicting material is added under a new id; say so.
class ReportingResolver : public Model::Persistence::IMaterialConflictResolver {
public:
    explicit ReportingResolver(std::function<void(const QString &)> warn) : warn(std::move(warn)) {}
    std::optional<Model::Persistence::MaterialConflictChoice>
    resolve(const Model::Materials::Material &loaded, const Model::Materials::Material &existing) override
    {
        warn(QStringLiteral(
                 "material \"%1\" has the id %2 of the catalogue's \"%3\"; it is added under a new id.")
                 .arg(loaded.getName())
                 .arg(loaded.getId())
                 .arg(existing.getName()));
        return std::nullopt;
    }

private:
    std::function<void(const QString &)> warn;
};

QString stepLine(const StepReport &report, size_t count)
{
    return QStringLiteral("%1/%2 %3: %4 (%5 ms)")
        .arg(report.position)
        .arg(count)
        .arg(report.displayName, resultMessage(report.resultCode))
        .arg(report.milliseconds);
}

} // namespace

int BatchCommand::run(const BatchCommandLine &line)
{
    if (!line.error.isEmpty()) {
        err << "cellfab-batch: " << line.error << "\n"
            << BatchCommandLine::helpText().section(QLatin1Char('\n'), 0, 0) << "\n"
            << "Run cellfab-batch --help for details." << Qt::endl;
        return UsageError;
    }
    if (line.threads > 0)
        QThreadPool::globalInstance()->setMaxThreadCount(line.threads);

    Core::Scene scene;
    if (!line.documentPath.isEmpty() && !loadDocument(line.documentPath, scene))
        return InputError;
    ReportingResolver resolver([this](const QString &text) { warn(text); });
    const auto list = Model::Persistence::ProcessListReader(&resolver).load(line.listPath);
    if (list.status != Model::Persistence::ProcessListReader::Status::Done) {
        err << "cellfab-batch: cannot read the process list: " << list.error << Qt::endl;
        return InputError;
    }
    for (const QString &note : list.notes)
        warn(note);
    if (list.upgraded)
        warn(QLatin1String(Model::Persistence::ProcessListReader::kUpdatedListText));

    Core::VolumeRecords records;
    const auto volumes = scene.getCellVolumes();
    BatchContext context(scene, records, volumes.empty() ? nullptr : volumes.back());
    if (line.seed)
        context.setSeed(*line.seed);
    context.setImageSaver([this, &scene](const QString &filename) { saveImage(scene, filename); });
    const size_t count = list.entries.size();
    QString failure;
    const auto outcome = ProcessListRun::run(list.entries, context, [&](const StepReport &report) {
        out << stepLine(report, count) << Qt::endl;
        if (report.resultCode != Success)
            failure = QStringLiteral("step %1 (%2) failed: %3 %4")
                          .arg(report.position)
                          .arg(report.displayName, resultMessage(report.resultCode), report.problem)
                          .trimmed();
    });
    if (outcome == ProcessListRun::Outcome::MissingVolume)
        failure = QStringLiteral("%1: %2").arg(QLatin1String(ProcessListRun::kMissingVolumeTitle),
                                               QLatin1String(ProcessListRun::kMissingVolumeText));

    QString error;
    if (Model::Persistence::DocumentFile::save(line.outputPath, scene.getObjects(),
                                               Model::Persistence::DocumentFile::standardArchivers(), &error)
        != Model::Persistence::DocumentFile::Status::Done) {
        err << "cellfab-batch: " << error << Qt::endl;
        return OutputError;
    }
    const bool geometryWritten = !line.geometry.requested() || writeGeometry(line.geometry, scene);
    const bool netlistWritten = line.netlist.path.isEmpty() || writeNetlist(line.netlist, scene);
    const bool dataWritten =
        line.exportDataPath.isEmpty() || exportData(scene, line.exportDataPath, line.dataField);
    if (!geometryWritten || !netlistWritten || !dataWritten)
        return OutputError;
    if (!failure.isEmpty()) {
        err << "cellfab-batch: " << failure << Qt::endl;
        return StepFailed;
    }
    return Success;
}

bool BatchCommand::loadDocument(const QString &path, Core::Scene &scene)
{
    ReportingResolver resolver([this](const QString &text) { warn(text); });
    Model::Persistence::MaterialIdMap remap;
    Model::Persistence::DocumentFile::LoadOptions options;
    options.archivers = Model::Persistence::DocumentFile::standardArchivers();
    options.remap = &remap;
    options.resolver = &resolver;
    options.warning = [this](const QString &text) { err << text << Qt::endl; };
    const auto result = Model::Persistence::DocumentFile::load(path, options);
    if (result.status != Model::Persistence::DocumentFile::Status::Done) {
        err << "cellfab-batch: cannot read the document: " << result.error << Qt::endl;
        return false;
    }
    for (const auto &object : result.objects)
        scene.addObject(object);
    scene.setFileName(path);
    return true;
}

void BatchCommand::saveImage(Core::Scene &scene, const QString &filename)
{
    if (filename.isEmpty())
        return;
    if (!renderer) {
        warn(QStringLiteral("no OpenGL display is available, so the image %1 was not written (run under "
                            "xvfb-run to write images); the run goes on.")
                 .arg(filename));
        return;
    }
    QString error;
    if (!renderer(scene, filename, error))
        warn(QStringLiteral("the image %1 was not written: %2").arg(filename, error));
}

bool BatchCommand::writeNetlist(const NetlistOutput &netlist, Core::Scene &scene)
{
    const auto volumes = scene.getCellVolumes();
    QString error;
    if (netlist.write(volumes.empty() ? nullptr : volumes.back().get(), error))
        return true;
    err << "cellfab-batch: cannot write the netlist " << netlist.path << ": " << error << Qt::endl;
    return false;
}

bool BatchCommand::writeGeometry(const GeometryOutputs &outputs, Core::Scene &scene)
{
    const auto volumes = scene.getCellVolumes();
    const QStringList failures = outputs.write(volumes.empty() ? nullptr : volumes.back().get());
    for (const QString &failure : failures)
        err << "cellfab-batch: cannot write " << failure << Qt::endl;
    return failures.isEmpty();
}

bool BatchCommand::exportData(Core::Scene &scene, const QString &path, const QString &field)
{
    const auto volumes = scene.getCellVolumes();
    QString error;
    if (volumes.empty())
        error = QStringLiteral("there is no cell volume to export data from");
    else if (Core::Operations::CSVDataExporter::exportVolumeField(*volumes.back(), path, field, &error) == 0)
        return true;
    err << "cellfab-batch: cannot write " << path << ": " << error << Qt::endl;
    return false;
}

void BatchCommand::warn(const QString &text)
{
    err << "cellfab-batch: WARNING: " << text << Qt::endl;
}

} // namespace Core::Batch
