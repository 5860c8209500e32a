#pragma once

namespace Ui {
class ProcessData;
}

namespace Core::Batch {

class BatchContext;

// Electroplating (type 7): "Film Thickness", "Conducting Material_Id", "Deposited Material_Id";
// recorded as 15.
int runElectroplatingStep(const Ui::ProcessData &entry, BatchContext &context);

} // namespace Core::Batch
