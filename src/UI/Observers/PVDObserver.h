#pragma once

#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDepositionOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/PVDOptionsDialog.h"

namespace Ui::Observers {

// Asks for the film thickness, horizontal ratio, material and deposit side of a PVD.
class PVDObserver : public FilmOptionsObserver<Core::Operations::SimplePhysicalVaporDepositionOperation,
                                               Ui::Operations::PVDOptionsDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::SimplePhysicalVaporDepositionOperation &operation,
                const Ui::Operations::PVDOptionsDialog &dialog) override;
};

} // namespace Ui::Observers
