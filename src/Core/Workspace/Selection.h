#pragma once

#include "Model/Object.h"
#include "Util/IObserver.h"

#include <memory>
#include <vector>

namespace Core {

class PickState;

// The objects the user picked in the view, and whether picking is switched on.
class Selection {
public:
    explicit Selection(PickState &pickState);

    // Switching the mode off clears the selection; observers hear of every change.
    void setMode(bool on);
    bool getMode() const { return mode; }
    void addModeObserver(std::shared_ptr<Util::IObserver> observer);

    void clear();
    // A pick: a selected object leaves the selection, another one joins it at the end.
    void toggle(const std::shared_ptr<Model::Object> &object);
    // An object that left the scene leaves the selection too.
    void forget(const std::shared_ptr<Model::Object> &object);
    const std::vector<std::shared_ptr<Model::Object>> &getObjects() const { return objects; }

private:
    PickState &pickState;
    std::vector<std::shared_ptr<Model::Object>> objects;
    std::vector<std::shared_ptr<Util::IObserver>> modeObservers;
    bool mode = false;
};

} // namespace Core
