#pragma once

#include "Model/Object.h"
#include "Util/Vector3D.h"

#include <QMutex>

#include <cstdint>
#include <memory>
#include <vector>

namespace Core::Operations {
class Operation;
}

namespace Core {

// What the view shares with the running operation: the selected objects the operation reads,
// and the vectors an editing operation asks the view to fill from mouse picks. Guarded, because
// engines read it from worker threads.
class PickState {
public:
    struct Feedback {
        Operations::Operation *operation = nullptr;
        Util::Vector3D *origin = nullptr;      // filled by the first pick
        Util::Vector3D *destination = nullptr; // filled while tracking
        uint32_t *trackingMode = nullptr;      // cleared by the view on the final pick
    };

    void setSelectedObjects(const std::vector<std::shared_ptr<Model::Object>> &objects);
    std::vector<std::shared_ptr<Model::Object>> getSelectedObjects() const;

    void registerOriginDestination(Operations::Operation *operation, Util::Vector3D *origin,
                                   Util::Vector3D *destination);
    void registerTracking(Operations::Operation *operation, Util::Vector3D *point, uint32_t *trackingMode);
    Feedback getFeedback() const;

    // Objects an editing operation shows although they are not in the scene (the copies of a
    // Copy, before they are placed); the view draws them with their preview offset.
    void setPreviewObjects(const std::vector<std::shared_ptr<Model::Object>> &objects);
    std::vector<std::shared_ptr<Model::Object>> getPreviewObjects() const;

    // Clears the selected objects, the feedback pointers and the preview objects.
    void clear();

private:
    mutable QMutex mutex;
    std::vector<std::shared_ptr<Model::Object>> selected;
    Feedback feedback;
    std::vector<std::shared_ptr<Model::Object>> previewObjects;
};

} // namespace Core
