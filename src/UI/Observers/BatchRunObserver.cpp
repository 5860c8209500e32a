#include "UI/Observers/BatchRunObserver.h"

#include "Core/Operations/SelectVolumes/SelectVolumesOperation.h"
#include "UI/BatchRun/BatchDialogLauncher.h"
#include "UI/MainWindowPresenter.h"

namespace Ui::Observers {

void BatchRunObserver::notify()
{
    auto operation = std::dynamic_pointer_cast<Core::Operations::SelectVolumesOperation>(
        presenter.getWorkspace().currentOperation());
    if (!operation)
        return;
    BatchDialogLauncher::run(presenter, operation->getVolume());
}

} // namespace Ui::Observers
