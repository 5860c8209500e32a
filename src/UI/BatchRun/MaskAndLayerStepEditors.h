#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

#include <memory>

namespace Ui::BatchRun {

// The editors of the photolithography (0), planarization (6), pouring (9) and simple RIE (13)
// steps: the options dialogs of the interactive operations. A photolithography step keeps its
// masks' bits, so the list runs without the image files.
class MaskAndLayerStepEditors {
public:
    static std::shared_ptr<ProcessStepEditor> photolithography();
    static std::shared_ptr<ProcessStepEditor> planarization();
    static std::shared_ptr<ProcessStepEditor> spinCoating();
    static std::shared_ptr<ProcessStepEditor> simpleRie();
};

} // namespace Ui::BatchRun
