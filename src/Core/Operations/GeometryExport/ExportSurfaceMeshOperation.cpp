#include "Core/Operations/GeometryExport/ExportSurfaceMeshOperation.h"

#include "Model/Export/GeometryExport.h"

namespace Core::Operations {

ExportSurfaceMeshOperation::ExportSurfaceMeshOperation(Core::Workspace &workspace)
    : ExportFileOperation(workspace, "Export Surface Mesh", kId)
{
}

std::vector<ExportFileOperation::FileType> ExportSurfaceMeshOperation::fileTypes() const
{
    return {{"STL surface mesh (*.stl)", "stl"}, {"VTK PolyData surface mesh (*.vtp)", "vtp"}};
}

bool ExportSurfaceMeshOperation::write(Model::Automaton::TotalVolume &volume, const QString &path,
                                       QString &summary, QString &error)
{
    const auto format = Model::Export::meshFormatOf(path);
    if (!format) {
        error = QStringLiteral("%1: the file name must end in .stl or .vtp").arg(path);
        return false;
    }
    size_t triangles = 0;
    if (!Model::Export::exportSurfaceMesh(volume, path, *format, &error, &triangles))
        return false;
    summary = QStringLiteral("%1 triangles written to %2.").arg(triangles).arg(path);
    return true;
}

} // namespace Core::Operations
