#pragma once

#include "Core/Workspace/Workspace.h"
#include "Util/IObserver.h"

#include <QPointer>
#include <QWidget>

namespace Ui::Observers {

// Asks which data field of the chosen volume to export, and to which file.
class ExportDataObserver : public Util::IObserver {
public:
    ExportDataObserver(Core::Workspace &workspace, QWidget *dialogParent)
        : workspace(workspace), dialogParent(dialogParent)
    {
    }

    void notify() override;

private:
    Core::Workspace &workspace;
    QPointer<QWidget> dialogParent;
};

} // namespace Ui::Observers
