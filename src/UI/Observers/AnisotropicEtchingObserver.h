#pragma once

#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtchingOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/AnisotropicEtchingDialog.h"

namespace Ui::Observers {

// Asks for the etch depth, horizontal ratio and material of an anisotropic etching.
class AnisotropicEtchingObserver
    : public FilmOptionsObserver<Core::Operations::AnisotropicFilmEtchingOperation,
                                 Ui::Operations::AnisotropicEtchingDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::AnisotropicFilmEtchingOperation &operation,
                const Ui::Operations::AnisotropicEtchingDialog &dialog) override;
};

} // namespace Ui::Observers
