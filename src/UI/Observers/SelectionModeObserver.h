#pragma once

#include "Util/IObserver.h"

class QAction;

namespace Core {
class Selection;
}

namespace Ui::Observers {

// Keeps the Select action's check mark in step with the selection mode.
class SelectionModeObserver : public Util::IObserver {
public:
    SelectionModeObserver(QAction *action, Core::Selection &selection) : action(action), selection(selection)
    {
    }
    void notify() override;

private:
    QAction *action;
    Core::Selection &selection;
};

} // namespace Ui::Observers
