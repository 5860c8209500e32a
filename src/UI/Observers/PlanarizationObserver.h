#pragma once

#include "Core/Operations/Planarization/PlanarizationOperation.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/PlanarizationOptionsDialog.h"

namespace Ui::Observers {

// Asks for the heights of a planarization, limited to the chosen volume's height.
class PlanarizationObserver : public FilmOptionsObserver<Core::Operations::PlanarizationOperation,
                                                         Ui::Operations::PlanarizationOptionsDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void prepare(Core::Operations::PlanarizationOperation &operation,
                 Ui::Operations::PlanarizationOptionsDialog &dialog) override;
    void accept(Core::Operations::PlanarizationOperation &operation,
                const Ui::Operations::PlanarizationOptionsDialog &dialog) override;
};

} // namespace Ui::Observers
