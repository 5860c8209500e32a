#include "Core/Operations/Electrodeposition/ElectrodepositionOperation.h"

#include "Core/Operations/Electrodeposition/Electrodeposition.h"

namespace Core::Operations {

ElectrodepositionOperation::ElectrodepositionOperation(Core::Workspace &workspace)
    : FilmProcessOperation(workspace, "Electroplating", kOperationId, "Electroplating",
                           nextInstanceNumber<ElectrodepositionOperation>())
{
}

void ElectrodepositionOperation::setConductingMaterial(uint32_t materialId)
{
    conductingMaterialId = materialId;
    conductingSet = true;
}

bool ElectrodepositionOperation::isReady() const
{
    return isDistanceSet() && isMaterialSet() && conductingSet;
}

void ElectrodepositionOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    Electrodeposition(volume, getDepositedMaterial(), conductingMaterialId, getThickness()).execute();
}

} // namespace Core::Operations
