#include "Core/Operations/CreateSubstrate/CreateSubstrateOperation.h"

#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

CreateSubstrateOperation::CreateSubstrateOperation(Core::Workspace &workspace)
    : ObjectOperation(workspace, "Create Substrate", 2)
{
}

void CreateSubstrateOperation::execute()
{
    notifyObservers();
    finish();
}

void CreateSubstrateOperation::cancel()
{
    workspace.finishWithoutUndo();
}

void CreateSubstrateOperation::finish()
{
    if (!parametersSet || volume)
        return;
    {
        const Core::BusyScope busy(workspace);
        volume = buildSubstrate(description);
        if (volume)
            volume->refreshDrawingData();
    }
    if (!volume) {
        // The dialog allows sizes no machine can hold; refuse them instead of failing later.
        postNamedMessage("the volume is too large to be created on this computer.");
        parametersSet = false;
        return;
    }
    workspace.getScene().addObject(volume);
    postNamedMessage("substrate created successfully.");
    workspace.finishWithUndo();
}

int CreateSubstrateOperation::undo()
{
    workspace.getScene().removeObject(volume);
    workspace.requestRedraw();
    return 1;
}

void CreateSubstrateOperation::redo()
{
    workspace.getScene().addObject(volume);
    workspace.requestRedraw();
}

void CreateSubstrateOperation::setVolume(uint32_t material, uint32_t width, uint32_t length, uint32_t height,
                                         const Util::Vector3D &position)
{
    description.materialId = material;
    description.totalWidth = width;
    description.totalLength = length;
    description.totalHeight = height;
    description.position = position;
}

void CreateSubstrateOperation::setBlockParameters(uint32_t material, uint32_t width, uint32_t length,
                                                  uint32_t height, const Util::Vector3D &position,
                                                  uint32_t blockX, uint32_t blockY, uint32_t blockZ,
                                                  uint32_t blockWidth, uint32_t blockLength,
                                                  uint32_t blockHeight)
{
    setVolume(material, width, length, height, position);
    description.blockX = blockX;
    description.blockY = blockY;
    description.blockZ = blockZ;
    description.blockWidth = blockWidth;
    description.blockLength = blockLength;
    description.blockHeight = blockHeight;
    description.spherical = false;
    parametersSet = true;
}

void CreateSubstrateOperation::setSphericalParameters(uint32_t material, uint32_t width, uint32_t length,
                                                      uint32_t height, const Util::Vector3D &position,
                                                      uint32_t centerX, uint32_t centerY, uint32_t centerZ,
                                                      uint32_t radius)
{
    setVolume(material, width, length, height, position);
    description.centerX = centerX;
    description.centerY = centerY;
    description.centerZ = centerZ;
    description.radius = radius;
    description.spherical = true;
    parametersSet = true;
}

} // namespace Core::Operations
