#include "Core/Batch/MaskAndLayerSteps.h"

#include "Core/Batch/VolumeStep.h"
#include "Core/Operations/Photolithography/Photolithography.h"
#include "Core/Operations/Photolithography/PhotolithographyOperation.h"
#include "Core/Operations/Planarization/Planarization.h"
#include "Core/Operations/Planarization/PlanarizationOperation.h"
#include "Core/Operations/Planarization/SpinCoating.h"
#include "Core/Operations/Planarization/SpinCoatingOperation.h"
#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtching.h"
#include "Core/Operations/ReactiveIonEtching/SimpleReactiveIonEtchingOperation.h"
#include "Model/Automaton/ImageMask.h"

namespace Core::Batch {
namespace {

using Model::Automaton::ImageMask;
using namespace Core::Operations;

constexpr uint32_t kSilicon = 1;
constexpr uint32_t kAllDirections = SimpleReactiveIonEtching::kFromTop | SimpleReactiveIonEtching::kFromBelow;

ImageMask readMask(StepParameters &p, const QString &stem)
{
    QBitArray bits = p.toBits(stem);
    const uint32_t width = p.toUInt(stem + QStringLiteral(" Width"));
    const uint32_t height = p.toUInt(stem + QStringLiteral(" Height"));
    return ImageMask(std::move(bits), width, height);
}

// Runs `engine` on the current volume once the parameters read into `p` are all good (`valid`
// adds the step's own checks), and records the step.
template <class Run>
int runOnVolume(const StepParameters &p, bool valid, BatchContext &context, uint32_t recordedOperation,
                bool outdatesLattice, const Run &engine)
{
    if (!valid && p.resultCode() == Success)
        return InvalidParameter;
    return runVolumeStep(p, context, recordedOperation, outdatesLattice, engine);
}

} // namespace

int runPhotolithographyStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    const uint32_t material = p.toUInt(QStringLiteral("Material_Id"));
    const ImageMask top = readMask(p, QStringLiteral("Top Mask"));
    const ImageMask bottom = readMask(p, QStringLiteral("Bottom Mask"));
    return runOnVolume(p, top.isConsistent() && bottom.isConsistent(), context,
                       PhotolithographyOperation::kOperationId, material == kSilicon,
                       [&](Model::Automaton::TotalVolume &volume) {
                           Photolithography(volume, material, bottom, top).run();
                       });
}

int runPlanarizationStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    const uint32_t maximum = p.toUInt(QStringLiteral("Maximum Height"));
    const uint32_t minimum = p.toUInt(QStringLiteral("Minimum Height"));
    return runOnVolume(
        p, minimum <= maximum, context, PlanarizationOperation::kOperationId, true,
        [&](Model::Automaton::TotalVolume &volume) { Planarization(volume, maximum, minimum).run(); });
}

int runSpinCoatingStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    const uint32_t material = p.toUInt(QStringLiteral("Material_Id"));
    const uint32_t height = p.toUInt(QStringLiteral("Maximum Height"));
    return runOnVolume(
        p, true, context, SpinCoatingOperation::kOperationId, material == kSilicon,
        [&](Model::Automaton::TotalVolume &volume) { SpinCoating(volume, material, height).run(); });
}

int runSimpleRieStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    const uint32_t material = p.toUInt(QStringLiteral("Material_Id"));
    const uint32_t depth = p.toUInt(QStringLiteral("Etch Depth"));
    const uint32_t directions = p.toUInt(QStringLiteral("EtchDirectionValue"));
    return runOnVolume(p, (directions & ~kAllDirections) == 0, context,
                       SimpleReactiveIonEtchingOperation::kOperationId, material == kSilicon,
                       [&](Model::Automaton::TotalVolume &volume) {
                           SimpleReactiveIonEtching(volume, material, depth, uint8_t(directions)).run();
                       });
}

} // namespace Core::Batch
