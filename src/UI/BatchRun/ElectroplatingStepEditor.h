#pragma once

#include "UI/BatchRun/ProcessStepEditor.h"

#include <memory>

namespace Ui::BatchRun {

// Electroplating (type 7): the electroplating options dialog.
std::shared_ptr<ProcessStepEditor> electroplatingStepEditor();

} // namespace Ui::BatchRun
