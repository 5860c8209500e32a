#include "UI/Observers/ElectrodepositionObserver.h"

namespace Ui::Observers {

void ElectrodepositionObserver::accept(Core::Operations::ElectrodepositionOperation &operation,
                                       const Ui::Operations::ElectrodepositionDialog &dialog)
{
    operation.setThickness(float(dialog.getThickness()));
    operation.setDepositedMaterial(dialog.getDepositedMaterialId());
    operation.setConductingMaterial(dialog.getConductingMaterialId());
}

} // namespace Ui::Observers
