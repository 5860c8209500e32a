#pragma once

#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtchingOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/IsotropicEtchingDialog.h"

namespace Ui::Observers {

// Asks for the etch depth and material of an isotropic etching.
class IsotropicFilmEtchingObserver
    : public FilmOptionsObserver<Core::Operations::IsotropicFilmEtchingOperation,
                                 Ui::Operations::IsotropicEtchingDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::IsotropicFilmEtchingOperation &operation,
                const Ui::Operations::IsotropicEtchingDialog &dialog) override;
};

} // namespace Ui::Observers
