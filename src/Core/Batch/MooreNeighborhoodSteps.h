#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Moore deposition (type 2): "Material_Id", "Thickness" (cell layers, truncated); recorded as 18.
int runMooreDepositionStep(const Ui::ProcessData &entry, BatchContext &context);
// Moore etching (type 3): "Material_Id", "Depth" (cell layers, truncated); recorded as 19.
// Both outdate the volume's silicon lattice when the material is silicon.
int runMooreEtchingStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
