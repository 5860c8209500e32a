#pragma once

#include "Core/Operations/DopingOperation/DopingOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/DopingOptionsDialog.h"

namespace Ui::Observers {

// Asks for the doped material and the doping depth of a simple doping.
class DopingOptionsObserver
    : public FilmOptionsObserver<Core::Operations::DopingOperation, Ui::Operations::DopingOptionsDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void accept(Core::Operations::DopingOperation &operation,
                const Ui::Operations::DopingOptionsDialog &dialog) override;
};

} // namespace Ui::Observers
