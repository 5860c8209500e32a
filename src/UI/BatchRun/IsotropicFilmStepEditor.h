#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

namespace Ui::BatchRun {

// CVD, isotropic etching and isotropic deposition: the isotropic film dialogs, offering every
// material of the catalogue.
class IsotropicFilmStepEditor : public ProcessStepEditor {
public:
    enum class Kind {
        Cvd,        // type 4, "Thickness"
        Etching,    // type 5, "Depth"
        Deposition, // type 16, "Film Thickness"
    };

    explicit IsotropicFilmStepEditor(Kind kind) : kind(kind) {}
    std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) override;

private:
    Kind kind;
};

} // namespace Ui::BatchRun
