#include "Core/Batch/ElectroplatingStep.h"

#include "Core/Batch/VolumeStep.h"
#include "Core/Operations/Electrodeposition/Electrodeposition.h"
#include "Core/Operations/Electrodeposition/ElectrodepositionOperation.h"
#include "Core/Operations/FilmProcessLimits.h"

namespace Core::Batch {

int runElectroplatingStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    const float thickness = p.toFloatWithin(QStringLiteral("Film Thickness"), 0.0,
                                            Core::Operations::FilmProcessLimits::kMaxDistance);
    const uint32_t conductor = p.toUInt(QStringLiteral("Conducting Material_Id"));
    const uint32_t deposit = p.toUInt(QStringLiteral("Deposited Material_Id"));
    return runVolumeStep(
        p, context, Core::Operations::ElectrodepositionOperation::kOperationId, false,
        [&](Model::Automaton::TotalVolume &volume) {
            Core::Operations::Electrodeposition(volume, deposit, conductor, thickness).execute();
        });
}

} // namespace Core::Batch
