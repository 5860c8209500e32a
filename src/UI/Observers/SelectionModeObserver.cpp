#include "UI/Observers/SelectionModeObserver.h"

#include "Core/Workspace/Selection.h"

#include <QAction>
#include <QSignalBlocker>

namespace Ui::Observers {

void SelectionModeObserver::notify()
{
    if (!action)
        return;
    // The action's toggled signal would set the mode again; the mode is already set.
    const QSignalBlocker blocker(action);
    action->setChecked(selection.getMode());
}

} // namespace Ui::Observers
