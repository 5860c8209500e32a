#pragma once

#include "Core/Operations/SiWetEtching/SiWetEtchOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/BCAEtchingDialog.h"

namespace Ui::Observers {

// Asks a silicon wet etching for its etch depth in the "Wet Etching Options" dialog.
class SiWetEtchDepthObserver
    : public FilmOptionsObserver<Core::Operations::SiWetEtchOperation, Operations::BCAEtchingDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::SiWetEtchOperation &operation,
                const Operations::BCAEtchingDialog &dialog) override
    {
        operation.setDepth(dialog.getDepth());
    }
};

} // namespace Ui::Observers
