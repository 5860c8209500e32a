#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Photolithography (type 0): "Material_Id" and, for "Top Mask" and "Bottom Mask", the bits with
// their "… Width" and "… Height"; a mask whose bit count is not width × height gives 2. Recorded
// as 20; developing a silicon "resist" outdates the volume's silicon lattice.
int runPhotolithographyStep(const Ui::ProcessData &entry, BatchContext &context);
// Planarization (type 6): "Maximum Height", "Minimum Height" (cells); a minimum above the maximum
// gives 2. Recorded as 22; always outdates the silicon lattice.
int runPlanarizationStep(const Ui::ProcessData &entry, BatchContext &context);
// Pouring (type 9): "Material_Id", "Maximum Height" (cells). Recorded as 23.
int runSpinCoatingStep(const Ui::ProcessData &entry, BatchContext &context);
// Simple RIE (type 13): "Material_Id", "Etch Depth" (cells), "EtchDirectionValue" (bit 0 from top,
// bit 1 from below; other bits give 2). Recorded as 30.
int runSimpleRieStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
