#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Asks the context's image saver to draw the scene and, for a non-empty "Filename", to save the
// picture there.
int runSaveImageStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
