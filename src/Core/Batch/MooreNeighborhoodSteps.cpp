#include "Core/Batch/MooreNeighborhoodSteps.h"

#include "Core/Batch/VolumeStep.h"
#include "Core/Operations/FilmProcessLimits.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDeposition.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodDepositionOperation.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtching.h"
#include "Core/Operations/MooreNeighborhood/MooreNeighborhoodEtchingOperation.h"

namespace Core::Batch {
namespace {

using namespace Core::Operations;
namespace Limits = FilmProcessLimits;

constexpr uint32_t kSilicon = 1;

template <class Engine>
int runMooreStep(const Ui::ProcessData &entry, BatchContext &context, const QString &countName,
                 uint32_t operationId)
{
    StepParameters p(entry);
    const uint32_t material = p.toUInt(QStringLiteral("Material_Id"));
    // A whole number of layers: the stored value truncated.
    const auto layers = uint32_t(p.toDoubleWithin(countName, Limits::kMinLayers, Limits::kMaxLayers));
    return runVolumeStep(
        p, context, operationId, material == kSilicon,
        [&](Model::Automaton::TotalVolume &volume) { Engine(volume, material, layers).execute(); });
}

} // namespace

int runMooreDepositionStep(const Ui::ProcessData &entry, BatchContext &context)
{
    return runMooreStep<MooreNeighborhoodDeposition>(entry, context, QStringLiteral("Thickness"),
                                                     MooreNeighborhoodDepositionOperation::kOperationId);
}

int runMooreEtchingStep(const Ui::ProcessData &entry, BatchContext &context)
{
    return runMooreStep<MooreNeighborhoodEtching>(entry, context, QStringLiteral("Depth"),
                                                  MooreNeighborhoodEtchingOperation::kOperationId);
}

} // namespace Core::Batch
