#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// CVD (type 4): "Material_Id", "Thickness"; isotropic film deposition, recorded as 13.
int runCvdStep(const Ui::ProcessData &entry, BatchContext &context);
// Isotropic etching (type 5): "Material_Id", "Depth"; recorded as 14; etching silicon outdates
// the volume's silicon lattice.
int runIsotropicEtchingStep(const Ui::ProcessData &entry, BatchContext &context);
// Isotropic deposition (type 16): "Material_Id", "Film Thickness"; recorded as 13; depositing
// silicon outdates the volume's silicon lattice.
int runIsotropicDepositionStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
