#include "Core/Batch/BatchContext.h"

#include "Model/Automaton/TotalVolume.h"

namespace Core::Batch {

BatchContext::BatchContext(Core::Scene &scene, Core::VolumeRecords &records,
                           std::shared_ptr<Model::Automaton::TotalVolume> volume)
    : scene(scene), records(records), currentVolume(std::move(volume))
{
}

std::shared_ptr<Model::Automaton::TotalVolume> BatchContext::getCurrentVolume() const
{
    QMutexLocker lock(&volumeMutex);
    return currentVolume;
}

void BatchContext::setCurrentVolume(std::shared_ptr<Model::Automaton::TotalVolume> volume)
{
    QMutexLocker lock(&volumeMutex);
    currentVolume = std::move(volume);
}

void BatchContext::saveImage(const QString &filename) const
{
    if (imageSaver)
        imageSaver(filename);
}

std::optional<uint64_t> BatchContext::nextSeed()
{
    if (!runSeed)
        return std::nullopt;
    return *runSeed + seedsHandedOut++;
}

QString BatchContext::takeProblem()
{
    QString text;
    std::swap(text, problem);
    return text;
}

} // namespace Core::Batch
