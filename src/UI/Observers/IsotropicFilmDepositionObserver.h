#pragma once

#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDepositionOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/IsotropicDepositionDialog.h"

namespace Ui::Observers {

// Asks for the film thickness and material of an isotropic deposition (or CVD).
class IsotropicFilmDepositionObserver
    : public FilmOptionsObserver<Core::Operations::IsotropicFilmDepositionOperation,
                                 Ui::Operations::IsotropicDepositionDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::IsotropicFilmDepositionOperation &operation,
                const Ui::Operations::IsotropicDepositionDialog &dialog) override;
};

} // namespace Ui::Observers
