#pragma once

#include <QString>
#include <QStringList>

class QCommandLineParser;

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Batch {

// The geometry files the batch command writes from the last cell volume after the run:
//   --vtk OUT.vti   the cells as VTK ImageData
//   --stl OUT.stl   the surface as binary STL
//   --vtp OUT.vtp   the surface as VTK PolyData
// in any combination. Each option names its format, whatever the file's extension.
struct GeometryOutputs {
    QString vtiPath;
    QString stlPath;
    QString vtpPath;

    bool requested() const { return !vtiPath.isEmpty() || !stlPath.isEmpty() || !vtpPath.isEmpty(); }

    static void addOptions(QCommandLineParser &parser);
    // The options' values; an option given an empty file name is an error (set in `error`).
    static GeometryOutputs read(const QCommandLineParser &parser, QString &error);

    // Writes every requested file; returns one message per failure, each naming its file.
    // A volume that was never drawn gets its surface generated first.
    QStringList write(Model::Automaton::TotalVolume *volume) const;
};

} // namespace Core::Batch
