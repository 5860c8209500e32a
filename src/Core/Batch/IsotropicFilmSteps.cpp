#include "Core/Batch/IsotropicFilmSteps.h"

#include "Core/Batch/VolumeStep.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmDeposition.h"
#include "Core/Operations/IsotropicFilmDeposition/IsotropicFilmEtching.h"

namespace Core::Batch {
namespace {

constexpr uint32_t kSilicon = 1;
constexpr uint32_t kDepositionOperation = 13;
constexpr uint32_t kEtchingOperation = 14;

// Reads the material and the film amount, runs the engine on the current volume and records
// the step.
template <class Engine>
int runFilmStep(const Ui::ProcessData &entry, BatchContext &context, const QString &amountName,
                uint32_t recordedOperation, bool siliconOutdatesLattice)
{
    StepParameters p(entry);
    const uint32_t materialId = p.toUInt(QStringLiteral("Material_Id"));
    const float amount = p.toFloat(amountName);
    return runVolumeStep(
        p, context, recordedOperation, siliconOutdatesLattice && materialId == kSilicon,
        [&](Model::Automaton::TotalVolume &volume) { Engine(volume, materialId, amount).execute(); });
}

} // namespace

int runCvdStep(const Ui::ProcessData &entry, BatchContext &context)
{
    return runFilmStep<Core::Operations::IsotropicFilmDeposition>(entry, context, QStringLiteral("Thickness"),
                                                                  kDepositionOperation, false);
}

int runIsotropicEtchingStep(const Ui::ProcessData &entry, BatchContext &context)
{
    return runFilmStep<Core::Operations::IsotropicFilmEtching>(entry, context, QStringLiteral("Depth"),
                                                               kEtchingOperation, true);
}

int runIsotropicDepositionStep(const Ui::ProcessData &entry, BatchContext &context)
{
    return runFilmStep<Core::Operations::IsotropicFilmDeposition>(
        entry, context, QStringLiteral("Film Thickness"), kDepositionOperation, true);
}

} // namespace Core::Batch
