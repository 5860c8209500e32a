#pragma once

#include "Util/IObserver.h"

#include <QPointer>
#include <QWidget>

namespace Core {
class Workspace;
}

namespace Ui::Observers {

// Asks which film to extract from the chosen volume and hands the answer to Extract Film.
class ExtractFilmObserver : public Util::IObserver {
public:
    ExtractFilmObserver(Core::Workspace &workspace, QWidget *mainWindow)
        : workspace(workspace), mainWindow(mainWindow)
    {
    }
    void notify() override;

private:
    Core::Workspace &workspace;
    QPointer<QWidget> mainWindow;
};

} // namespace Ui::Observers
