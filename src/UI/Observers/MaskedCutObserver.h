#pragma once

#include "Core/Operations/Cuts/MaskedCutCellVolumeOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/MaskedCutOptionsDialog.h"

namespace Ui::Observers {

// Asks for the mask of a masked cut; the applied mask is shown on the volume while the dialog is
// open and chosen for the cut when it is accepted.
class MaskedCutObserver : public FilmOptionsObserver<Core::Operations::MaskedCutCellVolumeOperation,
                                                     Ui::Operations::MaskedCutOptionsDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void prepare(Core::Operations::MaskedCutCellVolumeOperation &operation,
                 Ui::Operations::MaskedCutOptionsDialog &dialog) override;
    void accept(Core::Operations::MaskedCutCellVolumeOperation &operation,
                const Ui::Operations::MaskedCutOptionsDialog &dialog) override;
};

} // namespace Ui::Observers
