#pragma once

#include "Model/Automaton/ParticleCounts.h"

#include <QString>
#include <QVariant>

#include <cstdint>

class QTextStream;

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Operations {

// Writes a per-cell data field of a cell volume as text: for every x layer a line "X: x", then
// one line per y with each cell's value (z ascending) followed by " ; ", then two empty lines.
// A particle-count cell's value is the sum of its seven counters, in scientific notation with
// ten digits after the point and a point as decimal separator whatever the system's locale.
// The file is written through a temporary file and renamed, so a failure never leaves half a
// file behind.
class CSVDataExporter {
public:
    explicit CSVDataExporter(const QString &fileName) : fileName(fileName) {}

    // Whether the exporter can write fields of this name: the two particle-count fields.
    static bool isKnownType(const QString &dataType);

    // Writes the volume's field `dataType` (empty: the first particle-count field it carries) to
    // `fileName`, as File > Export Data and the batch command's export do. 0 on success; -1,
    // with the reason in `error`, when the volume has no such field or the file cannot be written.
    static int exportVolumeField(const Model::Automaton::TotalVolume &volume, const QString &fileName,
                                 const QString &dataType, QString *error = nullptr);

    // Writes `data` (the field the volume holds under `dataType`) for a volume of the given
    // sizes. 0 on success; -1 when the type is not known, the data is not a field covering the
    // volume, or the file cannot be written (errorString() then says why).
    int saveDataToFile(const QString &dataType, const QVariant &data, uint64_t sizeX, uint64_t sizeY,
                       uint64_t sizeZ);
    // Writes the particle counts of cells (0..X-1, 0..Y-1, 0..Z-1); `counts` covers them.
    static int saveParticleData(QTextStream &stream, const Model::Automaton::ParticleCountField &counts,
                                uint64_t sizeX, uint64_t sizeY, uint64_t sizeZ);

    const QString &errorString() const { return error; }

private:
    const QString &fileName;
    QString error;
};

} // namespace Core::Operations
