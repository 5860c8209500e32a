#pragma once

#include "Model/Export/SurfaceMesh.h"

#include <QString>

namespace Model::Export {

// Writes the mesh as VTK XML PolyData: Float32 points, triangles as polygons (Int64
// connectivity and offsets) and a UInt32 cell array "material".
// False, with "<path>: <reason>" in `error`, when the file cannot be written.
bool writeVtp(const SurfaceMesh &mesh, const QString &path, QString *error);

} // namespace Model::Export
