#include "UI/Observers/AnisotropicDepositionObserver.h"

namespace Ui::Observers {

void AnisotropicDepositionObserver::accept(Core::Operations::AnisotropicFilmDepositionOperation &operation,
                                           const Ui::Operations::AnisotropicDepositionDialog &dialog)
{
    operation.setThickness(float(dialog.getThickness()));
    operation.setRatio(float(dialog.getRatio()));
    operation.setMaterial(dialog.getMaterialId());
}

} // namespace Ui::Observers
