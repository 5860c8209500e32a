#pragma once

#include "Core/Operations/Planarization/SpinCoatingOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/SpinCoatingOptionsDialog.h"

namespace Ui::Observers {

// Asks for the material and the height of a pouring, limited to the chosen volume's height.
class SpinCoatingObserver : public FilmOptionsObserver<Core::Operations::SpinCoatingOperation,
                                                       Ui::Operations::SpinCoatingOptionsDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void prepare(Core::Operations::SpinCoatingOperation &operation,
                 Ui::Operations::SpinCoatingOptionsDialog &dialog) override;
    void accept(Core::Operations::SpinCoatingOperation &operation,
                const Ui::Operations::SpinCoatingOptionsDialog &dialog) override;
};

} // namespace Ui::Observers
