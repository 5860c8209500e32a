#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Anisotropic deposition (type 17): "Material_Id", "Film Thickness", "Horizontal to Vertical
// Ratio"; recorded as 27; depositing silicon outdates the volume's silicon lattice.
int runAnisotropicDepositionStep(const Ui::ProcessData &entry, BatchContext &context);
// Anisotropic etching (type 18): "Material_Id", "Etch Depth", "Horizontal to Vertical Ratio";
// recorded as 32; etching silicon outdates the lattice.
int runAnisotropicEtchingStep(const Ui::ProcessData &entry, BatchContext &context);
// PVD (type 12): "Material_Id", "Thickness", "DepositOn" (1 top, 2 bottom, 3 both), "Horizontal
// to Vertical Ratio"; recorded as 31.
int runPvdStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
