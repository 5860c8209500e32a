#include "Core/Batch/DopingSteps.h"

#include "Core/Batch/BatchContext.h"
#include "Core/Batch/BatchResult.h"
#include "Core/Batch/StepParameters.h"
#include "Core/Operations/DopingOperation/IonImplantation.h"
#include "Core/Operations/DopingOperation/SimpleDoping.h"
#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"
#include "Core/Workspace/VolumeRecords.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Batch {
namespace {

using namespace Core::Operations;

constexpr uint32_t kDopingOperation = 17;
constexpr uint32_t kIonImplantationOperation = 3;
constexpr uint32_t kRandomWalkOperation = 36;

// A step's result for values that converted: 2, with the reason, when `problem` is not empty.
int refuse(BatchContext &context, const QString &problem)
{
    context.reportProblem(problem);
    return InvalidParameter;
}

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
    if (const int code = p.resultCode())
        return code;
    if (const QString problem = negativeDistance({{"The doping depth", depth}}); !problem.isEmpty())
        return refuse(context, problem);
    const auto volume = context.getCurrentVolume();
    if (!volume)
        return InvalidParameter;
    SimpleDoping(*volume, material, depth).execute();
    context.getRecords().recordProcess(volume->getObjectId(), kDopingOperation, true);
    return Success;
}

int runIonImplantationStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    ImplantationProfile profile;
    profile.annealing = p.toFloat(QStringLiteral("Annealing Distance"));
    profile.depth = p.toFloat(QStringLiteral("Implantation Depth"));
    const uint32_t material = p.toUInt(QStringLiteral("Doped Material_Id"));
    profile.spread = p.toFloat(QStringLiteral("Vertical Spread"));
    if (const int code = p.resultCode())
        return code;
    if (const QString problem = negativeDistance({{"The annealing distance", profile.annealing},
                                                  {"The implantation depth", profile.depth},
                                                  {"The vertical spread", profile.spread}});
        !problem.isEmpty())
        return refuse(context, problem);
    const auto volume = context.getCurrentVolume();
    if (!volume)
        return InvalidParameter;
    IonImplantation(*volume, material, profile).execute();
    context.getRecords().recordProcess(volume->getObjectId(), kIonImplantationOperation, false);
    return Success;
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
    if (const int code = p.resultCode())
        return code;
    const RandomWalkParameters parameters = RandomWalkParameters::fromSettings(settings);
    if (const QString problem = parameters.problem(); !problem.isEmpty())
        return refuse(context, problem);
    const auto volume = context.getCurrentVolume();
    if (!volume)
        return InvalidParameter;
    RandomWalkDoping engine(*volume, parameters, context.nextSeed().value_or(RandomWalkDoping::clockSeed()));
    engine.dope(parameters.duration);
    context.getRecords().recordProcess(volume->getObjectId(), kRandomWalkOperation, true);
    return Success;
}

} // namespace Core::Batch
