#pragma once

#include "Util/IObserver.h"

#include <QPointer>
#include <QWidget>

namespace Core {
class Workspace;
}

namespace Ui::Observers {

// Shows the visualization dialog with the chosen volume's current options and hands the
// accepted options and film colours to the Change Visualization operation.
class ChangeTotalVolumeViewOptionsObserver : public Util::IObserver {
public:
    ChangeTotalVolumeViewOptionsObserver(Core::Workspace &workspace, QWidget *mainWindow)
        : workspace(workspace), mainWindow(mainWindow)
    {
    }
    void notify() override;

private:
    Core::Workspace &workspace;
    QPointer<QWidget> mainWindow;
};

} // namespace Ui::Observers
