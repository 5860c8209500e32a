#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Builds a block or ball substrate from the entry's parameters, adds it to the scene and makes
// it the run's current volume.
int runCreateSubstrateStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
