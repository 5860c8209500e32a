#include "Core/Operations/Photolithography/PhotolithographyOperation.h"

#include "Core/Operations/Photolithography/Photolithography.h"
#include "Core/Workspace/Workspace.h"
#include "Model/Automaton/TotalVolume.h"

namespace Core::Operations {

PhotolithographyOperation::PhotolithographyOperation(Core::Workspace &workspace)
    : ProcessStepOperation(workspace, "Photolithography", kOperationId)
{
}

void PhotolithographyOperation::setTopMask(const Model::Automaton::ImageMask &mask)
{
    topMask = mask;
    showMasks();
}

void PhotolithographyOperation::setBottomMask(const Model::Automaton::ImageMask &mask)
{
    bottomMask = mask;
    showMasks();
}

void PhotolithographyOperation::setMaterial(uint32_t value)
{
    materialId = value;
    materialSet = true;
}

void PhotolithographyOperation::runEngine(Model::Automaton::TotalVolume &volume)
{
    Photolithography engine(volume, materialId, bottomMask, topMask);
    hideMasks(); // the masks were used up
    engine.run();
}

bool PhotolithographyOperation::outdatesLattice() const
{
    return materialId == kSilicon;
}

void PhotolithographyOperation::showMasks()
{
    if (const auto volume = getVolume()) {
        volume->setTopMask(topMask);
        volume->setBottomMask(bottomMask);
        workspace.requestRedraw();
    }
}

void PhotolithographyOperation::hideMasks()
{
    if (const auto volume = getVolume()) {
        volume->setTopMask(Model::Automaton::ImageMask());
        volume->setBottomMask(Model::Automaton::ImageMask());
        workspace.requestRedraw();
    }
}

} // namespace Core::Operations
