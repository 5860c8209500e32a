#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

namespace Ui::BatchRun {

// Anisotropic deposition, anisotropic etching and PVD: their option dialogs, offering every
// material of the catalogue.
class DirectionalFilmStepEditor : public ProcessStepEditor {
public:
    enum class Kind {
        Deposition, // type 17, "Film Thickness"
        Etching,    // type 18, "Etch Depth"
        Vapor,      // type 12, "Thickness" and the deposit side
    };

    explicit DirectionalFilmStepEditor(Kind kind) : kind(kind) {}
    std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) override;

private:
    Kind kind;
};

} // namespace Ui::BatchRun
