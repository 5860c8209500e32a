#include "UI/Observers/SimpleRIEObserver.h"

namespace Ui::Observers {

void SimpleRIEObserver::accept(Core::Operations::SimpleReactiveIonEtchingOperation &operation,
                               const Ui::Operations::SimpleRIEDialog &dialog)
{
    operation.setMaterial(dialog.getMaterialId());
    operation.setDepth(dialog.getDepth());
    operation.setDirections(dialog.getDirections());
}

} // namespace Ui::Observers
