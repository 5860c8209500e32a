#pragma once

#include <QString>

#include <cstddef>
#include <optional>

namespace Model::Automaton {
class TotalVolume;
}

namespace Model::Export {

// The writers the export actions and the batch command share. Each writes through a temporary
// file, so a failure leaves no half-written file; failures are "<path>: <reason>".

enum class MeshFormat { Stl, Vtp };

// The mesh format a file name asks for by its extension (".stl" or ".vtp", any case).
std::optional<MeshFormat> meshFormatOf(const QString &path);

// Writes the volume's drawn surface (see drawnSurfaceMesh); `triangles` receives its count.
bool exportSurfaceMesh(Automaton::TotalVolume &volume, const QString &path, MeshFormat format, QString *error,
                       size_t *triangles = nullptr);

// Writes the volume's cells as VTK XML ImageData (see writeVti).
bool exportVolume(Automaton::TotalVolume &volume, const QString &path, QString *error);

} // namespace Model::Export
