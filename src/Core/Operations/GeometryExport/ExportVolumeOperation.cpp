#include "Core/Operations/GeometryExport/ExportVolumeOperation.h"

#include "Model/Automaton/TotalVolume.h"
#include "Model/Export/GeometryExport.h"

namespace Core::Operations {

ExportVolumeOperation::ExportVolumeOperation(Core::Workspace &workspace)
    : ExportFileOperation(workspace, "Export Volume", kId)
{
}

std::vector<ExportFileOperation::FileType> ExportVolumeOperation::fileTypes() const
{
    return {{"VTK ImageData volume (*.vti)", "vti"}};
}

bool ExportVolumeOperation::write(Model::Automaton::TotalVolume &volume, const QString &path,
                                  QString &summary, QString &error)
{
    if (!Model::Export::exportVolume(volume, path, &error))
        return false;
    summary = QStringLiteral("%1 x %2 x %3 cells written to %4.")
                  .arg(volume.getSizeX())
                  .arg(volume.getSizeY())
                  .arg(volume.getSizeZ())
                  .arg(path);
    return true;
}

} // namespace Core::Operations
