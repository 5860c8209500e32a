#include "UI/Observers/ExportDataObserver.h"

#include "Core/Operations/ExportData/ExportDataOperation.h"
#include "Model/Automaton/TotalVolume.h"
#include "UI/DialogPlacement.h"
#include "UI/Operations/ExportDataDialog.h"

namespace Ui::Observers {

void ExportDataObserver::answer(Core::Operations::ExportDataOperation &operation)
{
    if (!operation.getVolume())
        return;
    Ui::Operations::ExportDataDialog dialog(operation.getVolume()->propertyNames(), mainWindow.data());
    DialogPlacement::besideScene(dialog, mainWindow.data());
    if (dialog.exec() != QDialog::Accepted)
        return;
    operation.setFileName(dialog.getFileName());
    operation.setDataType(dialog.getDataType());
}

} // namespace Ui::Observers
