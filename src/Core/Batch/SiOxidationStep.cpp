#include "Core/Batch/SiOxidationStep.h"

#include "Core/Batch/BatchContext.h"
#include "Core/Batch/BatchResult.h"
#include "Core/Batch/StepParameters.h"
#include "Core/Operations/SiOxidation/OxidationSettings.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"
#include "Core/Workspace/VolumeRecords.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Batch {

int runSiOxidationStep(const Ui::ProcessData &entry, BatchContext &context)
{
    constexpr uint32_t kOxidationOperation = 26;
    StepParameters p(entry);
    Core::Operations::OxidationSettings settings;
    settings.byTime = p.toBool(QStringLiteral("OxidationTimeSet"));
    settings.unitsPerMicron = p.toDouble(QStringLiteral("Micron Conversion"));
    if (settings.byTime) {
        settings.atmospheres = p.toDouble(QStringLiteral("Oxidation Pressure"));
        settings.kelvin = p.toDouble(QStringLiteral("Oxidation Temperature"));
        settings.hours = p.toDouble(QStringLiteral("Oxidation Time"));
    } else {
        settings.microns = p.toDouble(QStringLiteral("Oxidation Thickness"));
    }
    if (const int code = p.resultCode())
        return code;
    if (const QString problem = settings.problem(); !problem.isEmpty()) {
        context.reportProblem(problem);
        return InvalidParameter;
    }
    const auto volume = context.getCurrentVolume();
    if (!volume)
        return InvalidParameter;
    Core::Operations::SimpleSiOxidation(*volume, settings.unitsPerMicron).execute(settings.thickness());
    context.getRecords().recordProcess(volume->getObjectId(), kOxidationOperation, false);
    return Success;
}

} // namespace Core::Batch
