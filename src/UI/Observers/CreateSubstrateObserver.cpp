#include "UI/Observers/CreateSubstrateObserver.h"

#include "Model/Materials/MaterialFactory.h"

namespace Ui::Observers {

using Core::Operations::CreateSubstrateOperation;
using Ui::Operations::CreateSubstrateDialog;

void CreateSubstrateObserver::prepare(CreateSubstrateOperation &, CreateSubstrateDialog &dialog)
{
    dialog.setMaterials(Model::Materials::MaterialFactory::instance()->getMaterials());
}

void CreateSubstrateObserver::accept(CreateSubstrateOperation &operation, const CreateSubstrateDialog &dialog)
{
    if (dialog.isSpherical()) {
        operation.setSphericalParameters(dialog.getMaterial(), dialog.getTotalWidth(),
                                         dialog.getTotalLength(), dialog.getTotalHeight(),
                                         dialog.getPosition(), dialog.getCenterX(), dialog.getCenterY(),
                                         dialog.getCenterZ(), dialog.getRadius());
    } else {
        operation.setBlockParameters(
            dialog.getMaterial(), dialog.getTotalWidth(), dialog.getTotalLength(), dialog.getTotalHeight(),
            dialog.getPosition(), dialog.getSubstrateX(), dialog.getSubstrateY(), dialog.getSubstrateZ(),
            dialog.getSubstrateWidth(), dialog.getSubstrateLength(), dialog.getSubstrateHeight());
    }
}

} // namespace Ui::Observers
