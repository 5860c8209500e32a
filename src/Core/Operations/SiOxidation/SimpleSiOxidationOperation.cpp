#include "Core/Operations/SiOxidation/SimpleSiOxidationOperation.h"

#include "Core/Operations/SiOxidation/SimpleSiOxidation.h"

namespace Core::Operations {

SimpleSiOxidationOperation::SimpleSiOxidationOperation(Core::Workspace &workspace)
    : ProcessStepOperation(workspace, "Simple Si Oxidation", kOperationId)
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

OxidationSettings SimpleSiOxidationOperation::chosen() const
{
    OxidationSettings given = settings;
    given.byTime = !thicknessSet;
    return given;
}

bool SimpleSiOxidationOperation::isReady() const
{
    return (thicknessSet || timeSet) && chosen().problem().isEmpty();
}

void SimpleSiOxidationOperation::abandon()
{
    if (thicknessSet || timeSet)
        postNamedMessage(chosen().problem().toStdString());
}

void SimpleSiOxidationOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    const OxidationSettings given = chosen();
    SimpleSiOxidation(volume, given.unitsPerMicron).execute(given.thickness());
}

} // namespace Core::Operations
