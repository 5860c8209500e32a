#include "UI/Observers/IsotropicFilmEtchingObserver.h"

namespace Ui::Observers {

void IsotropicFilmEtchingObserver::accept(Core::Operations::IsotropicFilmEtchingOperation &operation,
                                          const Ui::Operations::IsotropicEtchingDialog &dialog)
{
    operation.setDepth(float(dialog.getDepth()));
    operation.setMaterial(dialog.getMaterialId());
}

} // namespace Ui::Observers
