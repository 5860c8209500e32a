#pragma once

#include <QString>

#include <functional>

class QTextStream;

namespace Core {
class Scene;
}

namespace Model::Automaton {
class TotalVolume;
}

namespace Core::Batch {

struct BatchCommandLine;

// The headless batch command: loads a document (or starts from an empty scene), runs a
// process list on its last cell volume exactly as the batch dialog does, reports every step,
// and writes the resulting scene as a document.
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
    // Writes a particle-count field of the volume; false, with the reason told, when it cannot.
    bool exportData(Model::Automaton::TotalVolume *volume, const QString &path, const QString &field);
    void warn(const QString &text);

    QTextStream &out;
    QTextStream &err;
    SceneRenderer renderer;
};

} // namespace Core::Batch
