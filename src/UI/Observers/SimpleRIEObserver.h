#pragma once

#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtchingOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/SimpleRIEDialog.h"

namespace Ui::Observers {

// Asks for the material, depth and directions of a simple reactive-ion etch.
class SimpleRIEObserver : public FilmOptionsObserver<Core::Operations::SimpleReactiveIonEtchingOperation,
                                                     Ui::Operations::SimpleRIEDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::SimpleReactiveIonEtchingOperation &operation,
                const Ui::Operations::SimpleRIEDialog &dialog) override;
};

} // namespace Ui::Observers
