#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Si wet etching (type 1): "Depth"; the atomistic wet etch, recorded as 28.
int runSiWetEtchingStep(const Ui::ProcessData &entry, BatchContext &context);
// Si wet etching, continuous (type 20): "Depth"; the continuous wet etch, recorded as 29.
int runContinuousSiWetEtchingStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
