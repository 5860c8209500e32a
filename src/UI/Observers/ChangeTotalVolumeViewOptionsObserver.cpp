#include "UI/Observers/ChangeTotalVolumeViewOptionsObserver.h"

#include "Core/Operations/Visualization/ChangeTotalVolumeVisualizationOptions.h"
#include "Core/Workspace/Workspace.h"
#include "UI/DialogPlacement.h"
#include "UI/Operations/ChangeVolumeVisualizationDialog.h"

namespace Ui::Observers {

void ChangeTotalVolumeViewOptionsObserver::notify()
{
    const auto operation = std::dynamic_pointer_cast<Core::Operations::ChangeTotalVolumeVisualizationOptions>(
        workspace.currentOperation());
    if (!operation)
        return;
    Operations::ChangeVolumeVisualizationDialog dialog(mainWindow.data());
    dialog.setOptions(operation->currentOptions());
    DialogPlacement::besideScene(dialog, mainWindow.data());
    if (dialog.exec() == QDialog::Accepted)
        operation->setOptions(dialog.options(), dialog.filmColors());
}

} // namespace Ui::Observers
