#pragma once

#include "Core/Operations/SiOxidation/SimpleSiOxidationOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/SimpleOxidationOptionsDialog.h"

namespace Ui::Observers {

// Asks for the oxide thickness, or the oxidation time, temperature and pressure, of a thermal oxidation.
class SiOxidationObserver : public FilmOptionsObserver<Core::Operations::SimpleSiOxidationOperation,
                                                       Ui::Operations::SimpleOxidationOptionsDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::SimpleSiOxidationOperation &operation,
                const Ui::Operations::SimpleOxidationOptionsDialog &dialog) override;
};

} // namespace Ui::Observers
