#include "UI/Observers/ExtractFilmObserver.h"

#include "Model/Automaton/TotalVolume.h"

#include <set>

namespace Ui::Observers {

using Core::Operations::ExtractFilm;
using Ui::Operations::ExtractFilmDialog;

void ExtractFilmObserver::prepare(ExtractFilm &operation, ExtractFilmDialog &dialog)
{
    if (!operation.getSource())
        return;
    const std::vector<uint32_t> ids = operation.getSource()->materialIds();
    std::set<uint32_t> present(ids.begin(), ids.end());
    present.erase(0);
    dialog.preselect(present);
}

void ExtractFilmObserver::accept(ExtractFilm &operation, const ExtractFilmDialog &dialog)
{
    operation.setFilm(dialog.getMaterialId(), dialog.isInverted());
}

} // namespace Ui::Observers
