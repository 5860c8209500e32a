#pragma once

#include "Core/Operations/SiWetEtching/ContinousWetEtchOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/BCAEtchingDialog.h"

namespace Ui::Observers {

// Asks for the etch depth of a continuous wet etch, in the same dialog as the BCA wet etch.
class CCAWetEtchingObserver
    : public FilmOptionsObserver<Core::Operations::ContinousWetEtchOperation, Operations::BCAEtchingDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::ContinousWetEtchOperation &operation,
                const Operations::BCAEtchingDialog &dialog) override
    {
        operation.setDepth(dialog.getDepth());
    }
};

} // namespace Ui::Observers
