#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

#include <memory>

namespace Ui::BatchRun {

// The step editors of doping (type 8), ion implantation (14), thermal oxidation (15) and
// random-walk doping (19): their options dialogs, offering every material of the catalogue.
std::shared_ptr<ProcessStepEditor> dopingStepEditor();
std::shared_ptr<ProcessStepEditor> ionImplantationStepEditor();
std::shared_ptr<ProcessStepEditor> siOxidationStepEditor();
std::shared_ptr<ProcessStepEditor> randomWalkDopingStepEditor();

} // namespace Ui::BatchRun
