#pragma once

#include "Core/Operations/SiWetEtching/AtomisticSiWetEtchingOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/BCAEtchingDialog.h"

namespace Ui::Observers {

// Asks for the etch depth of a BCA wet etch.
class AtomicSiBCAEtchObserver : public FilmOptionsObserver<Core::Operations::AtomisticSiWetEtchingOperation,
                                                           Operations::BCAEtchingDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::AtomisticSiWetEtchingOperation &operation,
                const Operations::BCAEtchingDialog &dialog) override
    {
        operation.setDepth(dialog.getDepth());
    }
};

} // namespace Ui::Observers
