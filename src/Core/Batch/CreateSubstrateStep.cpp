#include "Core/Batch/CreateSubstrateStep.h"

#include "Core/Batch/BatchContext.h"
#include "Core/Batch/BatchResult.h"
#include "Core/Batch/StepParameters.h"
#include "Core/Operations/CreateSubstrate/SubstrateDescription.h"
#include "Core/Workspace/Scene.h"
#include "Model/Automaton/TotalVolume.h"

#include <QDebug>

namespace Core::Batch {

using Core::Operations::SubstrateDescription;

namespace {

void readBall(StepParameters &p, SubstrateDescription &d)
{
    d.centerX = p.toUInt(QStringLiteral("Substrate Center X"));
    d.centerY = p.toUInt(QStringLiteral("Substrate Center Y"));
    d.centerZ = p.toUInt(QStringLiteral("Substrate Center Z"));
    d.radius = p.toUInt(QStringLiteral("Substrate Radius"));
}

void readBlock(StepParameters &p, SubstrateDescription &d)
{
    d.blockWidth = p.toUInt(QStringLiteral("Substrate Size X"));
    d.blockLength = p.toUInt(QStringLiteral("Substrate Size Y"));
    d.blockHeight = p.toUInt(QStringLiteral("Substrate Size Z"));
    d.blockX = p.toUInt(QStringLiteral("Substrate Delta X"));
    d.blockY = p.toUInt(QStringLiteral("Substrate Delta Y"));
    d.blockZ = p.toUInt(QStringLiteral("Substrate Delta Z"));
}

} // namespace

int runCreateSubstrateStep(const Ui::ProcessData &entry, BatchContext &context)
{
    StepParameters p(entry);
    SubstrateDescription d;
    d.materialId = p.toUInt(QStringLiteral("Material_Id"));
    d.position = p.toVector(QStringLiteral("Lower Left Front Corner"));
    d.totalWidth = p.toUInt(QStringLiteral("Volume Size X"));
    d.totalLength = p.toUInt(QStringLiteral("Volume Size Y"));
    d.totalHeight = p.toUInt(QStringLiteral("Volume Size Z"));
    d.spherical = p.toBool(QStringLiteral("SphericalSubstrate"));
    if (p.resultCode() == MissingParameter)
        return MissingParameter;
    if (d.spherical)
        readBall(p, d);
    else
        readBlock(p, d);
    if (const int code = p.resultCode())
        return code;

    auto volume = Core::Operations::buildSubstrate(d);
    if (!volume) {
        qDebug() << "Core/Batch/createsubstratestep" << Q_FUNC_INFO << "a volume of" << d.totalWidth << "x"
                 << d.totalLength << "x" << d.totalHeight << "cells is empty or too large for this computer";
        return InvalidParameter;
    }
    context.getScene().addObject(volume);
    context.setCurrentVolume(std::move(volume));
    return Success;
}

} // namespace Core::Batch
