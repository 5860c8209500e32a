#pragma once

#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDepositionOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/AnisotropicDepositionDialog.h"

namespace Ui::Observers {

// Asks for the film thickness, horizontal ratio and material of an anisotropic deposition.
class AnisotropicDepositionObserver
    : public FilmOptionsObserver<Core::Operations::AnisotropicFilmDepositionOperation,
                                 Ui::Operations::AnisotropicDepositionDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::AnisotropicFilmDepositionOperation &operation,
                const Ui::Operations::AnisotropicDepositionDialog &dialog) override;
};

} // namespace Ui::Observers
