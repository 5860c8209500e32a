#include "UI/Observers/SiOxidationObserver.h"

namespace Ui::Observers {

void SiOxidationObserver::accept(Core::Operations::SimpleSiOxidationOperation &operation,
                                 const Ui::Operations::SimpleOxidationOptionsDialog &dialog)
{
    const Core::Operations::OxidationSettings settings = dialog.getSettings();
    operation.setUnitsPerMicron(settings.unitsPerMicron);
    if (settings.byTime)
        operation.setTime(settings.hours, settings.kelvin, settings.atmospheres);
    else
        operation.setThickness(settings.microns);
}

} // namespace Ui::Observers
