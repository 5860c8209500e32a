#include "UI/Observers/RandomWalkDopingObserver.h"

namespace Ui::Observers {

void RandomWalkDopingObserver::accept(Core::Operations::RandomWalkDopingOperation &operation,
                                      const Ui::Operations::RandomWalkDopingDialog &dialog)
{
    operation.setParameters(Core::Operations::RandomWalkParameters::fromSettings(dialog.getSettings()));
}

} // namespace Ui::Observers
