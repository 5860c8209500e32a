#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

#include <memory>

namespace Ui::BatchRun {

// Si wet etching, atomistic (type 1) or continuous (type 20): the wet etching depth dialog.
std::shared_ptr<ProcessStepEditor> siWetEtchingStepEditor(uint32_t processType);

} // namespace Ui::BatchRun
