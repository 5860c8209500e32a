#pragma once

#include <QMutex>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core {
class Scene;
class VolumeRecords;
} // namespace Core

namespace Core::Batch {

// What the steps of a batch run work on: the scene (Create Substrate adds its volume), the
// per-volume records every step updates, the current cell volume, and how a Save Image step
// reaches whoever can draw the scene. Steps run on a worker thread; the current volume is
// guarded.
class BatchContext {
public:
    // Saves the drawn scene to a file; an empty name only refreshes the drawing.
    using ImageSaver = std::function<void(const QString &filename)>;

    BatchContext(Core::Scene &scene, Core::VolumeRecords &records,
                 std::shared_ptr<Model::Automaton::TotalVolume> volume = nullptr);

    Core::Scene &getScene() { return scene; }
    Core::VolumeRecords &getRecords() { return records; }

    std::shared_ptr<Model::Automaton::TotalVolume> getCurrentVolume() const;
    void setCurrentVolume(std::shared_ptr<Model::Automaton::TotalVolume> volume);

    void setImageSaver(ImageSaver saver) { imageSaver = std::move(saver); }
    void saveImage(const QString &filename) const;

    // Seeds for the stochastic steps: with a run seed, the first such step gets it and each
    // further one the next number, so a run can be repeated exactly; without one, none (the
    // steps then seed from the clock).
    void setSeed(uint64_t seed)
    {
        runSeed = seed;
        seedsHandedOut = 0;
    }
    std::optional<uint64_t> nextSeed();

    // Why the current step failed, beyond its result code; the run takes it for its report.
    void reportProblem(const QString &text) { problem = text; }
    QString takeProblem();

private:
    Core::Scene &scene;
    Core::VolumeRecords &records;
    mutable QMutex volumeMutex;
    std::shared_ptr<Model::Automaton::TotalVolume> currentVolume;
    ImageSaver imageSaver;
    std::optional<uint64_t> runSeed;
    uint64_t seedsHandedOut = 0;
    QString problem;
};

} // namespace Core::Batch
