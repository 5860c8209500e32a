#include "Core/Batch/SiOxidationStep.h"

#include "Core/Batch/VolumeStep.h"
#include "Core/Operations/SiOxidation/OxidationSettings.h"
#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"

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
    return runVolumeStep(p, settings.problem(), context, kOxidationOperation, false,
                         [&](Model::Automaton::TotalVolume &volume) {
                             Core::Operations::SimpleSiOxidation(volume, settings.unitsPerMicron)
                                 .execute(settings.thickness());
                         });
}

} // namespace Core::Batch
