#include "Core/Operations/RandomWalkDoping/RandomWalkParameters.h"

#include <cmath>
#include <limits>

namespace Core::Operations {
namespace {

constexpr double kLargestCount = double(std::numeric_limits<uint32_t>::max());

bool finiteAtLeastZero(float value)
{
    return std::isfinite(value) && value >= 0.0f;
}

QString number(double value)
{
    return QString::number(value, 'g', 6);
}

} // namespace

RandomWalkParameters RandomWalkParameters::fromSettings(const RandomWalkSettings &s)
{
    RandomWalkParameters p;
    p.dopantMaterial = s.materialId;
    p.duration = float(s.dopingTime * 60.0);
    p.diffusionCoefficient = float(s.diffusionCoefficient * 0.0001);
    p.cellSize = float(s.cellSize * 1e-6);
    p.timeStep = float(s.timeStep);
    p.surfaceConcentration = float(s.concentration * 1e6);
    p.thresholdConcentration = float(s.threshold * (s.concentration * 1e6) * 0.01);
    return p;
}

float RandomWalkParameters::totalHopProbability() const
{
    return diffusionCoefficient * timeStep * 6.0f / (cellSize * cellSize);
}

QString RandomWalkParameters::problem() const
{
    if (!finiteAtLeastZero(diffusionCoefficient) || !finiteAtLeastZero(surfaceConcentration)
        || !finiteAtLeastZero(thresholdConcentration) || !finiteAtLeastZero(duration))
        return QStringLiteral("The diffusion coefficient, the concentrations and the doping time must be "
                              "numbers of 0 or more.");
    if (!(std::isfinite(cellSize) && cellSize > 0.0f) || !(std::isfinite(timeStep) && timeStep > 0.0f))
        return QStringLiteral("The cell size and the time step must be numbers above 0.");
    const float hop = totalHopProbability();
    if (!(hop <= 1.0f))
        return QStringLiteral("The time step %1 s is too long for the diffusion coefficient %2 cm²/s and the "
                              "cell size %3 µm: the total hop probability 6·D·dt/dx² is %4, more than 1.")
            .arg(number(timeStep), number(double(diffusionCoefficient) * 1e4), number(double(cellSize) * 1e6),
                 number(hop));
    const float cellVolume = cellSize * cellSize * cellSize;
    if (double(cellVolume * surfaceConcentration) > kLargestCount
        || double(cellVolume * thresholdConcentration) > kLargestCount)
        return QStringLiteral("The concentration gives more than %1 particles per cell.")
            .arg(kLargestCount, 0, 'g', 10);
    if (double(duration / timeStep) > kLargestCount)
        return QStringLiteral("The doping time is more than %1 time steps.").arg(kLargestCount, 0, 'g', 10);
    return QString();
}

} // namespace Core::Operations
