#include "Core/Workspace/Selection.h"

#include "Core/Workspace/PickState.h"

#include <algorithm>

namespace Core {

Selection::Selection(PickState &pickState) : pickState(pickState) {}

void Selection::setMode(bool on)
{
    if (on == mode)
        return;
    mode = on;
    if (!mode)
        clear();
    const auto observers = modeObservers;
    for (const auto &observer : observers)
        observer->notify();
}

void Selection::addModeObserver(std::shared_ptr<Util::IObserver> observer)
{
    modeObservers.push_back(std::move(observer));
}

void Selection::clear()
{
    for (const auto &object : objects)
        object->setSelected(false);
    objects.clear();
    pickState.setSelectedObjects(objects);
}

void Selection::toggle(const std::shared_ptr<Model::Object> &object)
{
    if (!object)
        return;
    const auto found = std::find(objects.begin(), objects.end(), object);
    if (object->isSelected() || found != objects.end()) {
        object->setSelected(false);
        if (found != objects.end())
            objects.erase(found);
    } else {
        object->setSelected(true);
        objects.push_back(object);
    }
    pickState.setSelectedObjects(objects);
}

void Selection::forget(const std::shared_ptr<Model::Object> &object)
{
    const auto found = std::find(objects.begin(), objects.end(), object);
    if (found == objects.end())
        return;
    object->setSelected(false);
    objects.erase(found);
    pickState.setSelectedObjects(objects);
}

} // namespace Core
