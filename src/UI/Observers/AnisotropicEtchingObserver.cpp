#include "UI/Observers/AnisotropicEtchingObserver.h"

namespace Ui::Observers {

void AnisotropicEtchingObserver::accept(Core::Operations::AnisotropicFilmEtchingOperation &operation,
                                        const Ui::Operations::AnisotropicEtchingDialog &dialog)
{
    operation.setDepth(float(dialog.getDepth()));
    operation.setRatio(float(dialog.getRatio()));
    operation.setMaterial(dialog.getMaterialId());
}

} // namespace Ui::Observers
