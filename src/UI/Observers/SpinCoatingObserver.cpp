#include "UI/Observers/SpinCoatingObserver.h"

#include "Model/Automaton/TotalVolume.h"

namespace Ui::Observers {

using Core::Operations::SpinCoatingOperation;
using Ui::Operations::SpinCoatingOptionsDialog;

void SpinCoatingObserver::prepare(SpinCoatingOperation &operation, SpinCoatingOptionsDialog &dialog)
{
    const auto volume = operation.getVolume();
    dialog.setVolumeHeight(volume ? volume->getSizeZ() : 0);
}

void SpinCoatingObserver::accept(SpinCoatingOperation &operation, const SpinCoatingOptionsDialog &dialog)
{
    operation.setMaterial(dialog.getMaterialId());
    operation.setHeight(dialog.getHeight());
}

} // namespace Ui::Observers
