#include "UI/Observers/IonImplantationOptionsObserver.h"

namespace Ui::Observers {

void IonImplantationOptionsObserver::accept(Core::Operations::IonImplantationOperation &operation,
                                            const Ui::Operations::IonImplantationOptionsDialog &dialog)
{
    const Core::Operations::ImplantationProfile profile = dialog.getProfile();
    operation.setMaterial(dialog.getMaterialId());
    operation.setImplantationDepth(profile.depth);
    operation.setVerticalSpread(profile.spread);
    operation.setAnnealingDistance(profile.annealing);
}

} // namespace Ui::Observers
