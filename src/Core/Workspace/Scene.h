#pragma once

#include "Model/Layer.h"

#include <QMutex>
#include <QString>

#include <functional>
#include <list>
#include <memory>
#include <vector>

namespace Model::Automaton {
class TotalVolume;
}

namespace Core {

// The document's objects, in layers, and its file name. Guarded, because engines and the batch
// runner read it from worker threads.
class Scene {
public:
    Scene();

    void addObject(std::shared_ptr<Model::Object> object); // to the current layer
    bool removeObject(const std::shared_ptr<Model::Object> &object);
    std::vector<std::shared_ptr<Model::Object>> getObjects() const;
    std::vector<std::shared_ptr<Model::Automaton::TotalVolume>> getCellVolumes() const;
    std::shared_ptr<Model::Object> findObject(uint32_t objectId) const;
    size_t objectCount() const;
    // Empties the scene: one fresh current layer, file name "".
    void clear();

    // Told of every object that leaves the scene (removed or cleared away), after it has left,
    // on the thread that removed it.
    using RemovalListener = std::function<void(const std::shared_ptr<Model::Object> &)>;
    void setRemovalListener(RemovalListener listener) { removalListener = std::move(listener); }

    QString getFileName() const;
    void setFileName(const QString &name);

private:
    mutable QMutex objectsMutex;
    std::list<std::shared_ptr<Model::Layer>> layers;
    std::shared_ptr<Model::Layer> currentLayer;
    mutable QMutex fileNameMutex;
    QString fileName;
    RemovalListener removalListener;
};

} // namespace Core
