#pragma once

#include "Core/Operations/Electrodeposition/ElectrodepositionOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/ElectrodepositionDialog.h"

namespace Ui::Observers {

// Asks for the film thickness and the deposited and conducting materials of an electroplating.
class ElectrodepositionObserver : public FilmOptionsObserver<Core::Operations::ElectrodepositionOperation,
                                                             Ui::Operations::ElectrodepositionDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::ElectrodepositionOperation &operation,
                const Ui::Operations::ElectrodepositionDialog &dialog) override;
};

} // namespace Ui::Observers
