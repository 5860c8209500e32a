#include "Core/Operations/DopingOperation/IonImplantationOperation.h"

namespace Core::Operations {

IonImplantationOperation::IonImplantationOperation(Core::Workspace &workspace)
    : ProcessStepOperation(workspace, "Ion Implantation", kOperationId)
{
}

void IonImplantationOperation::setMaterial(uint32_t materialId)
{
    dopedMaterial = materialId;
    materialSet = true;
}

void IonImplantationOperation::setImplantationDepth(float depth)
{
    profile.depth = depth;
    depthSet = true;
}

void IonImplantationOperation::setVerticalSpread(float spread)
{
    profile.spread = spread;
    spreadSet = true;
}

void IonImplantationOperation::setAnnealingDistance(float distance)
{
    profile.annealing = distance;
    annealingSet = true;
}

bool IonImplantationOperation::isReady() const
{
    return materialSet && depthSet && spreadSet && annealingSet;
}

void IonImplantationOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    IonImplantation(volume, dopedMaterial, profile).execute();
}

} // namespace Core::Operations
