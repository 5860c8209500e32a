#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Thermal oxidation (type 15): "OxidationTimeSet", "Micron Conversion", then by time "Oxidation
// Time", "Oxidation Temperature", "Oxidation Pressure", else "Oxidation Thickness"; recorded
// as 26.
int runSiOxidationStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
