#pragma once

#include "Core/Batch/BatchContext.h"
#include "Core/Batch/BatchResult.h"
#include "Core/Batch/ProcessRunner.h"
#include "Core/Operations/CreateSubstrate/SubstrateDescription.h"
#include "Core/Workspace/Scene.h"
#include "Core/Workspace/VolumeRecords.h"
#include "Model/Persistence/ProcessData.h"

// Shared set-up of the batch run tests.
namespace BatchTest {

// A volume of width × length × height cells whose lowest `blockHeight` layers hold `material`.
inline Core::Operations::SubstrateDescription slabSubstrate(uint32_t width, uint32_t length, uint32_t height,
                                                            uint32_t blockHeight, uint32_t material = 1)
{
    Core::Operations::SubstrateDescription d;
    d.materialId = material;
    d.totalWidth = d.blockWidth = width;
    d.totalLength = d.blockLength = length;
    d.totalHeight = height;
    d.blockHeight = blockHeight;
    return d;
}

// The scene, the volume records and the context a batch run works on.
struct BatchWorld {
    Core::Scene scene;
    Core::VolumeRecords records;
    Core::Batch::BatchContext context{scene, records};

    // The result code of one step run on the context.
    int run(const Ui::ProcessData &entry) { return Core::Batch::ProcessRunner(entry, context).run(); }
};

} // namespace BatchTest
