#pragma once

#include <QString>

namespace Model::Automaton {
class TotalVolume;
}

namespace Model::Export {

// Writes the volume as VTK XML ImageData: one cell per cell of the volume (extent = the cell
// counts, spacing = the cell sizes, origin = the position), the UInt32 cell array "material",
// and for every particle-count field the volume carries a UInt32 cell array named after the
// field holding each cell's total count (the sum of its seven counts, at most 2^32 - 1).
// Takes the volume's cell lock while it reads the cells.
// False, with "<path>: <reason>" in `error`, when the file cannot be written.
bool writeVti(Automaton::TotalVolume &volume, const QString &path, QString *error);

} // namespace Model::Export
