#include "Core/Operations/GeometryExport/ExportFileOperation.h"

#include "Core/Workspace/Workspace.h"

namespace Core::Operations {

ExportFileOperation::ExportFileOperation(Core::Workspace &workspace, std::string name, uint32_t operationId)
    : VolumeStepOperation(workspace, std::move(name), operationId, {std::string(), "Operation canceled."})
{
}

void ExportFileOperation::apply(Model::Automaton::TotalVolume &volume)
{
    QString summary;
    QString error;
    const Core::BusyScope busy(workspace);
    outcome = write(volume, fileName, summary, error)
                  ? summary.toStdString()
                  : QStringLiteral("The file could not be written: %1").arg(error).toStdString();
}

} // namespace Core::Operations
