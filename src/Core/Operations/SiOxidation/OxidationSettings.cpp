#include "Core/Operations/SiOxidation/OxidationSettings.h"

#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"

#include <cmath>

namespace Core::Operations {

double OxidationSettings::thickness() const
{
    return byTime ? SimpleSiOxidation::dealGroveThickness(hours, kelvin, atmospheres) : microns;
}

QString OxidationSettings::problem() const
{
    if (!std::isfinite(unitsPerMicron) || !(unitsPerMicron > 0.0))
        return QStringLiteral("The cell units per micron must be a number above 0.");
    if (byTime
        && !(std::isfinite(hours) && hours >= 0.0 && std::isfinite(kelvin) && kelvin > 0.0
             && std::isfinite(atmospheres) && atmospheres > 0.0))
        return QStringLiteral(
            "The oxidation time must be 0 or more, the temperature and the pressure above 0.");
    const double microns = thickness();
    if (!std::isfinite(microns) || microns < 0.0 || !std::isfinite(microns * unitsPerMicron))
        return byTime
                   ? QStringLiteral("The oxidation time, temperature and pressure give no oxide thickness.")
                   : QStringLiteral("The oxide thickness must be a number of 0 or more.");
    return QString();
}

} // namespace Core::Operations
