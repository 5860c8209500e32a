#pragma once

#include "Model/Export/SurfaceMesh.h"

#include <QString>

namespace Model::Export {

// Writes the mesh as binary STL: an 80-byte header, the triangle count, and per triangle its
// unit normal (from the corner order), its three corners and a zero attribute word.
// False, with "<path>: <reason>" in `error`, when the file cannot be written.
bool writeStl(const SurfaceMesh &mesh, const QString &path, QString *error);

} // namespace Model::Export
