#include "UI/Observers/DopingOptionsObserver.h"

namespace Ui::Observers {

void DopingOptionsObserver::accept(Core::Operations::DopingOperation &operation,
                                   const Ui::Operations::DopingOptionsDialog &dialog)
{
    operation.setDepth(float(dialog.getDepth()));
    operation.setMaterial(dialog.getMaterialId());
}

} // namespace Ui::Observers
