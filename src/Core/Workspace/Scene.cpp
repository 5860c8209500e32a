#include "Core/Workspace/Scene.h"

#include "Model/Automaton/TotalVolume.h"

#include <algorithm>

namespace Core {

Scene::Scene()
{
    clear();
}

void Scene::addObject(std::shared_ptr<Model::Object> object)
{
    if (!object)
        return;
    QMutexLocker lock(&objectsMutex);
    currentLayer->push_back(std::move(object));
}

bool Scene::removeObject(const std::shared_ptr<Model::Object> &object)
{
    bool removed = false;
    {
        QMutexLocker lock(&objectsMutex);
        for (const auto &layer : layers) {
            const auto found = std::find(layer->begin(), layer->end(), object);
            if (found != layer->end()) {
                layer->erase(found);
                removed = true;
                break;
            }
        }
    }
    if (removed && removalListener)
        removalListener(object);
    return removed;
}

std::vector<std::shared_ptr<Model::Object>> Scene::getObjects() const
{
    QMutexLocker lock(&objectsMutex);
    std::vector<std::shared_ptr<Model::Object>> result;
    for (const auto &layer : layers)
        result.insert(result.end(), layer->begin(), layer->end());
    return result;
}

std::vector<std::shared_ptr<Model::Automaton::TotalVolume>> Scene::getCellVolumes() const
{
    std::vector<std::shared_ptr<Model::Automaton::TotalVolume>> result;
    for (const auto &object : getObjects()) {
        if (auto volume = std::dynamic_pointer_cast<Model::Automaton::TotalVolume>(object))
            result.push_back(std::move(volume));
    }
    return result;
}

std::shared_ptr<Model::Object> Scene::findObject(uint32_t objectId) const
{
    for (const auto &object : getObjects()) {
        if (object->getObjectId() == objectId)
            return object;
    }
    return nullptr;
}

size_t Scene::objectCount() const
{
    QMutexLocker lock(&objectsMutex);
    size_t count = 0;
    for (const auto &layer : layers)
        count += layer->size();
    return count;
}

void Scene::clear()
{
    const auto removed = getObjects();
    {
        QMutexLocker lock(&objectsMutex);
        layers.clear();
        currentLayer = std::make_shared<Model::Layer>();
        layers.push_back(currentLayer);
    }
    setFileName(QString());
    if (removalListener) {
        for (const auto &object : removed)
            removalListener(object);
    }
}

QString Scene::getFileName() const
{
    QMutexLocker lock(&fileNameMutex);
    return fileName;
}

void Scene::setFileName(const QString &name)
{
    QMutexLocker lock(&fileNameMutex);
    fileName = name;
}

} // namespace Core
