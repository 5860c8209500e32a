#include "Core/Batch/DirectionalFilmSteps.h"

#include "Core/Batch/VolumeStep.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDeposition.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmDepositionOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtching.h"
#include "Core/Operations/AnisotropicFilmDeposition/AnisotropicFilmEtchingOperation.h"
#include "Core/Operations/AnisotropicFilmDeposition/SimplePhysicalVaporDepositionOperation.h"
#include "Core/Operations/FilmProcessLimits.h"

namespace Core::Batch {
namespace {

using namespace Core::Operations;
namespace Limits = FilmProcessLimits;

constexpr uint32_t kSilicon = 1;
const QString kRatio = QStringLiteral("Horizontal to Vertical Ratio");

// Anisotropic deposition or etching: the material, the amount and the ratio.
template <class Engine>
int runAnisotropicStep(const Ui::ProcessData &entry, BatchContext &context, const QString &amountName,
                       uint32_t operationId)
{
    StepParameters p(entry);
    const uint32_t material = p.toUInt(QStringLiteral("Material_Id"));
    const float amount = p.toFloatWithin(amountName, 0.0, Limits::kMaxDistance);
    const float ratio = p.toFloatWithin(kRatio, 0.0, Limits::kMaxRatio);
    return runVolumeStep(
        p, context, operationId, material == kSilicon,
        [&](Model::Automaton::TotalVolume &volume) { Engine(volume, material, amount, ratio).execute(); });
}

} // namespace

int runAnisotropicDepositionStep(const Ui::ProcessData &entry, BatchContext &context)
{
    return runAnisotropicStep<AnisotropicFilmDeposition>(entry, context, QStringLiteral("Film Thickness"),
                                                         AnisotropicFilmDepositionOperation::kOperationId);
}

int runAnisotropicEtchingStep(const Ui::ProcessData &entry, BatchContext &context)
{
    return runAnisotropicStep<AnisotropicFilmEtching>(entry, context, QStringLiteral("Etch Depth"),
                                                      AnisotropicFilmEtchingOperation::kOperationId);
}

int runPvdStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    const uint32_t material = p.toUInt(QStringLiteral("Material_Id"));
    const float thickness = float(p.toDoubleWithin(QStringLiteral("Thickness"), 0.0, Limits::kMaxDistance));
    const auto side = DepositSide(
        p.toIntWithin(QStringLiteral("DepositOn"), int32_t(DepositSide::Top), int32_t(DepositSide::Both)));
    const float ratio = float(p.toDoubleWithin(kRatio, Limits::kMinVaporRatio, Limits::kMaxRatio));
    return runVolumeStep(
        p, context, SimplePhysicalVaporDepositionOperation::kOperationId, false,
        [&](Model::Automaton::TotalVolume &volume) {
            SimplePhysicalVaporDeposition(volume, material, thickness, ratio, side).execute();
        });
}

} // namespace Core::Batch
