#pragma once

#include "Core/Operations/RandomWalkDoping/RandomWalkDopingOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/RandomWalkDopingDialog.h"

namespace Ui::Observers {

// Asks for the options of a random-walk doping and hands them over in the walk's units.
class RandomWalkDopingObserver : public FilmOptionsObserver<Core::Operations::RandomWalkDopingOperation,
                                                            Ui::Operations::RandomWalkDopingDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::RandomWalkDopingOperation &operation,
                const Ui::Operations::RandomWalkDopingDialog &dialog) override;
};

} // namespace Ui::Observers
