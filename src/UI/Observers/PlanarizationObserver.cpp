#include "UI/Observers/PlanarizationObserver.h"

#include "Model/Automaton/TotalVolume.h"

namespace Ui::Observers {

using Core::Operations::PlanarizationOperation;
using Ui::Operations::PlanarizationOptionsDialog;

void PlanarizationObserver::prepare(PlanarizationOperation &operation, PlanarizationOptionsDialog &dialog)
{
    const auto volume = operation.getVolume();
    dialog.setVolumeHeight(volume ? volume->getSizeZ() : 0);
}

void PlanarizationObserver::accept(PlanarizationOperation &operation,
                                   const PlanarizationOptionsDialog &dialog)
{
    operation.setMaximumHeight(dialog.getMaximumHeight());
    operation.setMinimumHeight(dialog.getMinimumHeight());
}

} // namespace Ui::Observers
