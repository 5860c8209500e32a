#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

namespace Ui::BatchRun {

// Moore deposition (type 2, "Thickness") and Moore etching (type 3, "Depth"): the layer-by-layer
// options dialog, its value named as the interactive operations name it.
class MooreStepEditor : public ProcessStepEditor {
public:
    enum class Kind {
        Deposition, // type 2, "Thickness"
        Etching,    // type 3, "Depth"
    };

    explicit MooreStepEditor(Kind kind) : kind(kind) {}
    std::optional<Ui::ProcessData> edit(QWidget *parent, const Ui::ProcessData *current) override;

private:
    Kind kind;
};

} // namespace Ui::BatchRun
