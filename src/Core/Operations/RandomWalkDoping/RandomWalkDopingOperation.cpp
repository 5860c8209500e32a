#include "Core/Operations/RandomWalkDoping/RandomWalkDopingOperation.h"

#include "Core/Operations/RandomWalkDoping/RandomWalkDoping.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

RandomWalkDopingOperation::RandomWalkDopingOperation(Core::Workspace &workspace)
    : CellProcessOperation(workspace, "Random Walk Doping", kOperationId, "RandomWalkDoping",
                           nextInstanceNumber<RandomWalkDopingOperation>())
{
}

void RandomWalkDopingOperation::setParameters(const RandomWalkParameters &values)
{
    parameters = values;
    parametersSet = true;
}

bool RandomWalkDopingOperation::isReady() const
{
    return parametersSet && parameters.problem().isEmpty();
}

void RandomWalkDopingOperation::abandon()
{
    const QString problem = parametersSet ? parameters.problem() : QString();
    if (!problem.isEmpty())
        postNamedMessage(problem.toStdString());
}

void RandomWalkDopingOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    fieldBefore = volume.getParticleCounts(RandomWalkDoping::fieldNameFor(parameters.dopantMaterial));
    RandomWalkDoping engine(volume, parameters, seed.value_or(RandomWalkDoping::clockSeed()));
    engine.dope(parameters.duration);
}

int RandomWalkDopingOperation::undo()
{
    if (const auto volume = getVolume())
        fieldAfter = volume->getParticleCounts(RandomWalkDoping::fieldNameFor(parameters.dopantMaterial));
    restoreField(fieldBefore);
    return CellProcessOperation::undo();
}

void RandomWalkDopingOperation::redo()
{
    restoreField(fieldAfter);
    CellProcessOperation::redo();
}

// Before the cells, so the rebuilt drawing shows the restored counts.
void RandomWalkDopingOperation::restoreField(const Model::Automaton::SharedParticleCountField &field)
{
    const auto volume = getVolume();
    if (!volume)
        return;
    const QString name = RandomWalkDoping::fieldNameFor(parameters.dopantMaterial);
    if (field)
        volume->setParticleCounts(name, field);
    else
        volume->removeProperty(name);
}

} // namespace Core::Operations
