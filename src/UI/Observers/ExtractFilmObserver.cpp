#include "UI/Observers/ExtractFilmObserver.h"

#include "Core/Operations/ExtractFilm/ExtractFilm.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"
#include "UI/DialogPlacement.h"
#include "UI/Operations/ExtractFilmDialog.h"

#include <set>

namespace Ui::Observers {

void ExtractFilmObserver::notify()
{
    const auto operation =
        std::dynamic_pointer_cast<Core::Operations::ExtractFilm>(workspace.currentOperation());
    if (!operation || !operation->getSource())
        return;
    const std::vector<uint32_t> ids = operation->getSource()->materialIds();
    std::set<uint32_t> present(ids.begin(), ids.end());
    present.erase(0);
    Operations::ExtractFilmDialog dialog(present, mainWindow.data());
    DialogPlacement::besideScene(dialog, mainWindow.data());
    if (dialog.exec() == QDialog::Accepted)
        operation->setFilm(dialog.getMaterialId(), dialog.isInverted());
}

} // namespace Ui::Observers
