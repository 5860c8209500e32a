#pragma once

#include <QString>

#include <functional>

class QTextStream;

namespace Core {
class Scene;
}

namespace Core::Batch {

struct BatchCommandLine;
struct GeometryOutputs;
struct NetlistOutput;

// The headless batch command: loads a document (or starts from an empty scene), runs a
// process list on its last cell volume exactly as the batch dialog does, reports every step,
// and writes the resulting scene as a document, the requested geometry files and particle counts.
class BatchCommand {
public:
    enum ExitCode {
        Success = 0,
        StepFailed = 1,
        UsageError = 2,
        InputError = 3,
        OutputError = 4,
    };

    // Draws the scene into an image file; false, with the reason, when it cannot.
    using SceneRenderer = std::function<bool(Core::Scene &scene, const QString &filename, QString &error)>;

    BatchCommand(QTextStream &out, QTextStream &err) : out(out), err(err) {}

    // Without a renderer (no display), Save Image steps warn and the run goes on.
    void setRenderer(SceneRenderer sceneRenderer) { renderer = std::move(sceneRenderer); }

    int run(const BatchCommandLine &line);

private:
    bool loadDocument(const QString &path, Core::Scene &scene);
    void saveImage(Core::Scene &scene, const QString &filename);
    // False when an output file could not be written (each failure is reported).
    bool writeGeometry(const GeometryOutputs &outputs, Core::Scene &scene);
    // The cantilever netlist of the scene's last volume; false when none was written (reported).
    bool writeNetlist(const NetlistOutput &netlist, Core::Scene &scene);
    // Writes a particle-count field of the last cell volume; false, with the reason told, when it
    // cannot.
    bool exportData(Core::Scene &scene, const QString &path, const QString &field);
    void warn(const QString &text);

    QTextStream &out;
    QTextStream &err;
    SceneRenderer renderer;
};

} // namespace Core::Batch
