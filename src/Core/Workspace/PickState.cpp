#include "Core/Workspace/PickState.h"

namespace Core {

void PickState::setSelectedObjects(const std::vector<std::shared_ptr<Model::Object>> &objects)
{
    QMutexLocker lock(&mutex);
    selected = objects;
}

std::vector<std::shared_ptr<Model::Object>> PickState::getSelectedObjects() const
{
    QMutexLocker lock(&mutex);
    return selected;
}

void PickState::registerOriginDestination(Operations::Operation *operation, Util::Vector3D *origin,
                                          Util::Vector3D *destination)
{
    QMutexLocker lock(&mutex);
    feedback.operation = operation;
    feedback.origin = origin;
    feedback.destination = destination;
}

void PickState::registerTracking(Operations::Operation *operation, Util::Vector3D *point,
                                 uint32_t *trackingMode)
{
    QMutexLocker lock(&mutex);
    feedback.operation = operation;
    feedback.destination = point;
    feedback.trackingMode = trackingMode;
}

PickState::Feedback PickState::getFeedback() const
{
    QMutexLocker lock(&mutex);
    return feedback;
}

void PickState::setPreviewObjects(const std::vector<std::shared_ptr<Model::Object>> &objects)
{
    QMutexLocker lock(&mutex);
    previewObjects = objects;
}

std::vector<std::shared_ptr<Model::Object>> PickState::getPreviewObjects() const
{
    QMutexLocker lock(&mutex);
    return previewObjects;
}

void PickState::clear()
{
    QMutexLocker lock(&mutex);
    selected.clear();
    feedback = Feedback();
    previewObjects.clear();
}

} // namespace Core
