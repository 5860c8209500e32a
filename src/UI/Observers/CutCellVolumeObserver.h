#pragma once

#include "Core/Operations/Cuts/CutCellVolumeOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/CutCellVolumeDialog.h"

namespace Ui::Observers {

// Shows the cut box of the chosen volume in the "Cut Cell Volume" dialog; previewed changes go to
// the operation at once, the final box when the dialog is accepted.
class CutCellVolumeObserver : public FilmOptionsObserver<Core::Operations::CutCellVolumeOperation,
                                                         Ui::Operations::CutCellVolumeDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void prepare(Core::Operations::CutCellVolumeOperation &operation,
                 Ui::Operations::CutCellVolumeDialog &dialog) override;
    void accept(Core::Operations::CutCellVolumeOperation &operation,
                const Ui::Operations::CutCellVolumeDialog &dialog) override;
    // A rejected dialog cancels the operation, even after a preview.
    void reject(Core::Operations::CutCellVolumeOperation &operation) override { operation.cancel(); }
};

} // namespace Ui::Observers
