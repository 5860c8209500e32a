#include "UI/Observers/PVDObserver.h"

namespace Ui::Observers {

void PVDObserver::accept(Core::Operations::SimplePhysicalVaporDepositionOperation &operation,
                         const Ui::Operations::PVDOptionsDialog &dialog)
{
    operation.setThickness(float(dialog.getThickness()));
    operation.setRatio(float(dialog.getRatio()));
    operation.setMaterial(dialog.getMaterialId());
    operation.setDepositSide(dialog.getDepositSide());
}

} // namespace Ui::Observers
