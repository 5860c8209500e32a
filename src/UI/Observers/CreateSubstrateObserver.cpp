#include "UI/Observers/CreateSubstrateObserver.h"

#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Materials/MaterialFactory.h"
#include "UI/DialogPlacement.h"
#include "UI/Operations/CreateSubstrateDialog.h"

namespace Ui::Observers {

void CreateSubstrateObserver::notify()
{
    auto operation =
        std::dynamic_pointer_cast<Core::Operations::CreateSubstrateOperation>(workspace.currentOperation());
    if (!operation)
        return;
    Operations::CreateSubstrateDialog dialog(mainWindow);
    dialog.setMaterials(Model::Materials::MaterialFactory::instance()->getMaterials());
    DialogPlacement::besideScene(dialog, mainWindow);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.isSpherical()) {
        operation->setSphericalParameters(dialog.getMaterial(), dialog.getTotalWidth(),
                                          dialog.getTotalLength(), dialog.getTotalHeight(),
                                          dialog.getPosition(), dialog.getCenterX(), dialog.getCenterY(),
                                          dialog.getCenterZ(), dialog.getRadius());
    } else {
        operation->setBlockParameters(
            dialog.getMaterial(), dialog.getTotalWidth(), dialog.getTotalLength(), dialog.getTotalHeight(),
            dialog.getPosition(), dialog.getSubstrateX(), dialog.getSubstrateY(), dialog.getSubstrateZ(),
            dialog.getSubstrateWidth(), dialog.getSubstrateLength(), dialog.getSubstrateHeight());
    }
}

} // namespace Ui::Observers
