#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"

#include "Core/Operations/DistanceCountingAutomaton/CompatibleMaterials.h"
#include "Model/Process/ProcessFactory.h"

#include <cmath>

namespace Core::Operations {

SimpleSiOxidation::SimpleSiOxidation(Model::Automaton::TotalVolume &volume, double unitsPerMicron)
    : DistanceCountingEngine(volume), unitsPerMicron(unitsPerMicron),
      oxidizableMaterials(compatibleMaterials(Model::Process::ProcessIds::kSimpleSiOxidation))
{
    eligibleMaterials = oxidizableMaterials;
    eligibleMaterials.insert(0);
    reached.resize(getSliceCount());
    // Every component of a propagated vector is a path length along its axis.
    for (DistanceVector &step : stepVectors)
        step = {std::fabs(step.x), std::fabs(step.y), std::fabs(step.z)};
}

SimpleSiOxidation::~SimpleSiOxidation() = default;

double SimpleSiOxidation::dealGroveThickness(double hours, double kelvin, double atmospheres)
{
    const double a = 1000.0 / kelvin;
    // Parabolic rate constant B (µm²/h) and A, with B / A the linear rate constant.
    const double b = std::exp(-14.92366568 * a) * 1297.907373 * (atmospheres * 0.999264839884312);
    const double linear = b / (std::exp(-23.43965534 * a) * 7973245.767);
    // The time that grows the native 0.025 µm oxide.
    const double tau = (linear * 0.025 + 0.000625) / b;
    return (std::sqrt((tau + hours) * (b * 4.0) + linear * linear) - linear) * 0.5;
}

void SimpleSiOxidation::finalizeSlice(uint32_t, uint32_t, uint32_t slice)
{
    // A cell listed twice is decided twice: the second time it is oxide already and stays.
    for (uint32_t index : reached[slice])
        finalizeCellAt(site(index), slice);
    std::vector<uint32_t>().swap(reached[slice]);
}

void SimpleSiOxidation::execute(double microns)
{
    totalThickness = microns * unitsPerMicron;
    if (!(std::isfinite(totalThickness) && totalThickness >= 0.0))
        totalThickness = 0.0;
    grown = float(totalThickness * double(0.56f));
    consumed = float(totalThickness - double(grown));
    unreached = float(totalThickness) > 0.0f ? float(totalThickness) : 1.0f;
    grownLimitSq = grown * grown;
    consumedLimitSq = consumed * consumed;
    run(truncatedIterations(std::ceil(double(grown) * K / double(smallestCellSize()))));
}

} // namespace Core::Operations
