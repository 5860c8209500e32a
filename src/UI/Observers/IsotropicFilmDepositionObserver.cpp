#include "UI/Observers/IsotropicFilmDepositionObserver.h"

namespace Ui::Observers {

void IsotropicFilmDepositionObserver::accept(Core::Operations::IsotropicFilmDepositionOperation &operation,
                                             const Ui::Operations::IsotropicDepositionDialog &dialog)
{
    operation.setThickness(float(dialog.getThickness()));
    operation.setMaterial(dialog.getMaterialId());
}

} // namespace Ui::Observers
