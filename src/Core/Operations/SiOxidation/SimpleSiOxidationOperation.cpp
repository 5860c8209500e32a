#include "Core/Operations/SiOxidation/SimpleSiOxidationOperation.h"

#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"

namespace Core::Operations {

SimpleSiOxidationOperation::SimpleSiOxidationOperation(Core::Workspace &workspace)
    : VolumeProcessOperation(workspace, "Simple Si Oxidation", kOperationId)
{
    // Without a conversion from the dialog, a micron is one cell unit.
    settings.unitsPerMicron = 1.0;
}

void SimpleSiOxidationOperation::setThickness(double microns)
{
    settings.microns = microns;
    thicknessSet = true;
}

void SimpleSiOxidationOperation::setTime(double hours, double kelvin, double atmospheres)
{
    settings.hours = hours;
    settings.kelvin = kelvin;
    settings.atmospheres = atmospheres;
    timeSet = true;
}

bool SimpleSiOxidationOperation::readyToRun()
{
    if (!thicknessSet && !timeSet)
        return false;
    // A given thickness wins over a given time.
    settings.byTime = !thicknessSet;
    const QString problem = settings.problem();
    if (!problem.isEmpty())
        postNamedMessage(problem.toStdString());
    return problem.isEmpty();
}

void SimpleSiOxidationOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    SimpleSiOxidation(volume, settings.unitsPerMicron).execute(settings.thickness());
}

} // namespace Core::Operations
