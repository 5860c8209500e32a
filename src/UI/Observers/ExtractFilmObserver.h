#pragma once

#include "Core/Operations/ExtractFilm/ExtractFilm.h"
#include "UI/Observers/FilmOptionsObserver.h"
#include "UI/Operations/ExtractFilmDialog.h"

namespace Ui::Observers {

// Asks which film to extract from the chosen volume and hands the answer to Extract Film.
class ExtractFilmObserver
    : public FilmOptionsObserver<Core::Operations::ExtractFilm, Ui::Operations::ExtractFilmDialog> {
public:
    using FilmOptionsObserver::FilmOptionsObserver;

protected:
    void prepare(Core::Operations::ExtractFilm &operation,
                 Ui::Operations::ExtractFilmDialog &dialog) override;
    void accept(Core::Operations::ExtractFilm &operation,
                const Ui::Operations::ExtractFilmDialog &dialog) override;
};

} // namespace Ui::Observers
