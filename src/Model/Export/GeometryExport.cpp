#include "Model/Export/GeometryExport.h"

#include "Model/Export/DrawnSurface.h"
#include "Model/Export/StlWriter.h"
#include "Model/Export/VtiWriter.h"
#include "Model/Export/VtpWriter.h"

#include <QFileInfo>

#include <exception>

namespace Model::Export {
namespace {

// Runs a writer; running out of memory (or numbering space) on a huge surface is a failure
// like any other, not a crash.
template <class Write> bool guarded(const QString &path, QString *error, Write write)
{
    try {
        return write();
    } catch (const std::exception &) {
        if (error)
            *error = QStringLiteral("%1: not enough memory to export the volume").arg(path);
        return false;
    }
}

} // namespace

std::optional<MeshFormat> meshFormatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("stl"))
        return MeshFormat::Stl;
    if (suffix == QLatin1String("vtp"))
        return MeshFormat::Vtp;
    return std::nullopt;
}

bool exportSurfaceMesh(Automaton::TotalVolume &volume, const QString &path, MeshFormat format, QString *error,
                       size_t *triangles)
{
    return guarded(path, error, [&] {
        // STL lists every triangle's corners, so only PolyData needs the shared points.
        const SurfaceMesh mesh =
            drawnSurfaceMesh(volume, format == MeshFormat::Stl ? SurfaceMeshBuilder::Points::PerCorner
                                                               : SurfaceMeshBuilder::Points::Welded);
        if (triangles)
            *triangles = mesh.triangleCount();
        return format == MeshFormat::Stl ? writeStl(mesh, path, error) : writeVtp(mesh, path, error);
    });
}

bool exportVolume(Automaton::TotalVolume &volume, const QString &path, QString *error)
{
    return guarded(path, error, [&] { return writeVti(volume, path, error); });
}

} // namespace Model::Export
