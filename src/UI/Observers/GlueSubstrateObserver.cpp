#include "UI/Observers/GlueSubstrateObserver.h"

#include "Core/Operations/GlueSubstrate/GlueSubstrateOperation.h"
#include "Core/Workspace/Workspace.h"
#include "UI/DialogPlacement.h"
#include "UI/Operations/GlueSubstrateDialog.h"

namespace Ui::Observers {

void GlueSubstrateObserver::notify()
{
    const auto operation =
        std::dynamic_pointer_cast<Core::Operations::GlueSubstrateOperation>(workspace.currentOperation());
    if (!operation || !operation->getGluing())
        return;
    Operations::GlueSubstrateDialog dialog(*operation->getGluing(), mainWindow.data());
    DialogPlacement::besideScene(dialog, mainWindow.data());
    if (dialog.exec() == QDialog::Accepted)
        operation->setPlacement(dialog.getPlacement());
}

} // namespace Ui::Observers
