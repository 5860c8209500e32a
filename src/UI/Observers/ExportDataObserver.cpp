#include "UI/Observers/ExportDataObserver.h"

#include "Core/Operations/ExportData/ExportDataOperation.h"
#include "Model/Automaton/TotalVolume.h"
#include "UI/DialogPlacement.h"
#include "UI/Operations/ExportDataDialog.h"

namespace Ui::Observers {

void ExportDataObserver::notify()
{
    const auto operation =
        std::dynamic_pointer_cast<Core::Operations::ExportDataOperation>(workspace.currentOperation());
    if (!operation || !operation->getVolume())
        return;
    Ui::Operations::ExportDataDialog dialog(operation->getVolume()->propertyNames(), dialogParent.data());
    DialogPlacement::besideScene(dialog, dialogParent.data());
    if (dialog.exec() != QDialog::Accepted)
        return;
    operation->setFileName(dialog.getFileName());
    operation->setDataType(dialog.getDataType());
}

} // namespace Ui::Observers
