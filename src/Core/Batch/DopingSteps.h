#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Doping (type 8): "Doping Depth", "Doped Material_Id"; simple doping, recorded as 17.
int runDopingStep(const Ui::ProcessData &entry, BatchContext &context);
// Ion implantation (type 14): "Implantation Depth", "Vertical Spread", "Annealing Distance",
// "Doped Material_Id"; recorded as 3.
int runIonImplantationStep(const Ui::ProcessData &entry, BatchContext &context);
// Random-walk doping (type 19): the dialog's values ("Doping Time" in minutes, "Diffusion
// Coefficient" in cm²/s, "Cell Size" in µm, "Time Step Duration" in s, "Surface Concentration"
// in cm⁻³, "Doping Threshold" in %, "Material_Id"), converted as the dialog's are; recorded
// as 36. Values the walk cannot run with (6p above 1, for instance) give 2 and change nothing.
int runRandomWalkDopingStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
