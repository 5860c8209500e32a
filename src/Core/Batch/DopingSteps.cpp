#include "Core/Batch/DopingSteps.h"

#include "Core/Batch/VolumeStep.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/DopingOperation/SimpleDoping.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"

namespace Core::Batch {
namespace {

using namespace Core::Operations;
using Model::Automaton::TotalVolume;

constexpr uint32_t kDopingOperation = 17;
constexpr uint32_t kIonImplantationOperation = 3;
constexpr uint32_t kRandomWalkOperation = 36;

// A step's result for values that converted: 2, with the reason, when `problem` is not empty.
// Distances are lengths: a negative one is refused.
QString negativeDistance(std::initializer_list<std::pair<const char *, float>> distances)
{
    for (const auto &[name, value] : distances)
        if (value < 0.0f)
            return QStringLiteral("%1 must be 0 or more.").arg(QLatin1String(name));
    return QString();
}

} // namespace

int runDopingStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    const float depth = p.toFloat(QStringLiteral("Doping Depth"));
    const uint32_t material = p.toUInt(QStringLiteral("Doped Material_Id"));
    return runVolumeStep(p, negativeDistance({{"The doping depth", depth}}), context, kDopingOperation, true,
                         [&](TotalVolume &volume) { SimpleDoping(volume, material, depth).execute(); });
}

int runIonImplantationStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    ImplantationProfile profile;
    profile.annealing = p.toFloat(QStringLiteral("Annealing Distance"));
    profile.depth = p.toFloat(QStringLiteral("Implantation Depth"));
    const uint32_t material = p.toUInt(QStringLiteral("Doped Material_Id"));
    profile.spread = p.toFloat(QStringLiteral("Vertical Spread"));
    const QString problem = negativeDistance({{"The annealing distance", profile.annealing},
                                              {"The implantation depth", profile.depth},
                                              {"The vertical spread", profile.spread}});
    return runVolumeStep(p, problem, context, kIonImplantationOperation, false,
                         [&](TotalVolume &volume) { IonImplantation(volume, material, profile).execute(); });
}

int runRandomWalkDopingStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    RandomWalkSettings settings;
    settings.cellSize = p.toDouble(QStringLiteral("Cell Size"));
    settings.timeStep = p.toDouble(QStringLiteral("Time Step Duration"));
    settings.diffusionCoefficient = p.toDouble(QStringLiteral("Diffusion Coefficient"));
    settings.materialId = p.toUInt(QStringLiteral("Material_Id"));
    settings.dopingTime = p.toDouble(QStringLiteral("Doping Time"));
    settings.threshold = p.toDouble(QStringLiteral("Doping Threshold"));
    settings.concentration = p.toDouble(QStringLiteral("Surface Concentration"));
    const RandomWalkParameters parameters = RandomWalkParameters::fromSettings(settings);
    return runVolumeStep(
        p, parameters.problem(), context, kRandomWalkOperation, true, [&](TotalVolume &volume) {
            RandomWalkDoping engine(volume, parameters,
                                    context.nextSeed().value_or(RandomWalkDoping::clockSeed()));
            engine.dope(parameters.duration);
        });
}

} // namespace Core::Batch
